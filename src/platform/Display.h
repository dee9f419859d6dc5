// The primary screen's size and colour depth as the program sees it, with an override that
// tests use to drive the screen-size classes and the palette depths. User-interface thread only.
#pragma once

namespace halvena {

struct TDisplayMetrics {
  int Width = 0;
  int Height = 0;
  int BitsPerPixel = 0;
};

// The override when one is set, else the primary screen's (QScreen); all zero without a screen.
TDisplayMetrics DisplayMetrics();
void SetDisplayOverride(const TDisplayMetrics& metrics);
void ClearDisplayOverride();

}  // namespace halvena
