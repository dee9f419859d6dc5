// Helpers of the control tests: the shared widget helpers, named here so that the tests call
// them unqualified, and a display depth that holds for one test.
#pragma once

#include "platform/Display.h"
#include "support/Widgets.h"

namespace halvena {

using test::CountColour;
using test::Render;
using test::ShowAndWait;
using test::SolidImage;
using test::TPaintCounter;

// A picture for a screen of ratio 2: `width` x `height` logical pixels, its device columns
// alternately red and green from red, a detail that a picture of ratio 1 cannot hold.
inline QImage FineStripes(int width, int height) {
  QImage image(width * 2, height * 2, QImage::Format_RGB32);
  for (int x = 0; x < image.width(); ++x) {
    for (int y = 0; y < image.height(); ++y) {
      image.setPixel(x, y, x % 2 == 0 ? qRgb(255, 0, 0) : qRgb(0, 255, 0));
    }
  }
  image.setDevicePixelRatio(2);
  return image;
}

// Whether device columns `left`..`right` of row `y` of `image` alternate red and green from red.
inline bool Striped(const QImage& image, int left, int right, int y) {
  for (int x = left; x <= right; ++x) {
    if (image.pixel(x, y) != ((x - left) % 2 == 0 ? qRgb(255, 0, 0) : qRgb(0, 255, 0))) {
      return false;
    }
  }
  return true;
}

// Sets the display's bits per pixel for the lifetime of the object.
class TDepthOverride {
 public:
  explicit TDepthOverride(int bitsPerPixel) { SetDisplayOverride({1024, 768, bitsPerPixel}); }
  ~TDepthOverride() { ClearDisplayOverride(); }
  TDepthOverride(const TDepthOverride&) = delete;
  TDepthOverride& operator=(const TDepthOverride&) = delete;
};

}  // namespace halvena
