// TBkControl: the windowless control that paints a TBackground over its whole area, the
// bottom layer of every skinned window. User-interface thread only.
#pragma once

#include "controls/Basics.h"
#include "controls/GrphPrps.h"

namespace halvena {

class TBkControl : public TGraphicControl {
 public:
  // `parent`, when given, owns the control. 100 × 100 pixels.
  explicit TBkControl(QWidget* parent = nullptr);

  // The backdrop; a change of its draw style, picture, pen or brush invalidates the control.
  TBackground& Background() { return FBackground; }
  void SetBackground(const TBackground& background) { FBackground.AssignFrom(background); }

  const TPalette* GetPalette() const override { return CurrentPalette(); }

 protected:
  void Paint() override;

 private:
  TBackground FBackground;
  bool FPainting = false;
};

}  // namespace halvena
