// The primary screen's size, colour depth and pixel density as the program sees it, with an
// override that tests use to drive the screen-size classes, the palette depths and the choice of
// the finer pictures. User-interface thread only.
#pragma once

namespace halvena {

struct TDisplayMetrics {
  int Width = 0;
  int Height = 0;
  int BitsPerPixel = 0;
  // Device pixels per logical pixel: 2 on a screen of twice the density (a HiDPI monitor, or
  // QT_SCALE_FACTOR=2). Width and Height count logical pixels.
  double DevicePixelRatio = 1;
};

// The override when one is set, else the primary screen's (QScreen); all zero without a screen.
TDisplayMetrics DisplayMetrics();
void SetDisplayOverride(const TDisplayMetrics& metrics);
void ClearDisplayOverride();

}  // namespace halvena
