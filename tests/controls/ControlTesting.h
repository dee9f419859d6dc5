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

// Sets the display's bits per pixel for the lifetime of the object.
class TDepthOverride {
 public:
  explicit TDepthOverride(int bitsPerPixel) { SetDisplayOverride({1024, 768, bitsPerPixel}); }
  ~TDepthOverride() { ClearDisplayOverride(); }
  TDepthOverride(const TDepthOverride&) = delete;
  TDepthOverride& operator=(const TDepthOverride&) = delete;
};

}  // namespace halvena
