#include "controls/Bk.h"

#include <optional>

namespace halvena {

TBkControl::TBkControl(QWidget* parent) : TGraphicControl(parent) {
  resize(100, 100);
  FBackground.OnChange = [this](TBackground*) { Invalidate(); };
  FBackground.Image().OnChange = [this] { Invalidate(); };
  FBackground.Pen().OnChange = [this] { Invalidate(); };
  FBackground.Brush().OnChange = [this] { Invalidate(); };
}

void TBkControl::Paint() {
  if (FPainting) return;
  FPainting = true;
  TCanvas* canvas = Canvas();
  std::optional<TPaletteBracket> bracket;
  if (FBackground.Image().HasGraphic()) {
    bracket.emplace(canvas, *this);
    DrawBackgroundImage(canvas, FBackground, width(), height());
  }
  canvas->Pen.Assign(FBackground.Pen());
  canvas->Brush.Assign(FBackground.Brush());
  canvas->Rectangle({0, 0, width(), height()});
  bracket.reset();
  FPainting = false;
}

}  // namespace halvena
