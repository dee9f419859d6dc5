#include "controls/GrphPrps.h"

#include "controls/Basics.h"

namespace halvena {

void TBackground::SetImageDrawStyle(TImageDrawStyle style) {
  if (FImageDrawStyle == style) return;
  FImageDrawStyle = style;
  if (OnChange) OnChange(this);
}

void TBackground::AssignFrom(const TBackground& other) {
  if (&other == this) return;
  SetPen(other.FPen);
  SetBrush(other.FBrush);
  SetImage(other.FImage);
  SetImageDrawStyle(other.FImageDrawStyle);
}

void DrawBackgroundImage(TCanvas* canvas, const TBackground& background, int width, int height) {
  const TPicture& image = background.Image();
  const int iw = image.Width();
  const int ih = image.Height();
  switch (background.ImageDrawStyle()) {
    case TImageDrawStyle::idsAlongside:
      // An empty picture has no tile size to step by.
      if (iw <= 0 || ih <= 0) return;
      for (int x = 0; x < width; x += iw) {
        for (int y = 0; y < height; y += ih) DrawGraphicAt(canvas, x, y, &image);
      }
      break;
    case TImageDrawStyle::idsCenter:
      DrawGraphicAt(canvas, (width - iw) / 2, (height - ih) / 2, &image);
      break;
    case TImageDrawStyle::idsHide:
      break;
    case TImageDrawStyle::idsStretch:
      DrawGraphicStretched(canvas, 0, 0, width - 1, height - 1, &image);
      break;
    case TImageDrawStyle::idsTopLeft:
      DrawGraphicAt(canvas, 0, 0, &image);
      break;
  }
}

}  // namespace halvena
