#include "platform/Display.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

namespace halvena {
namespace {

TEST(Display, OverrideReplacesThePrimaryScreenUntilCleared) {
  SetDisplayOverride({640, 480, 8});
  EXPECT_EQ(DisplayMetrics().Width * 10000 + DisplayMetrics().Height, 6400480);
  EXPECT_EQ(DisplayMetrics().BitsPerPixel, 8);
  ClearDisplayOverride();
  EXPECT_EQ(DisplayMetrics().BitsPerPixel, QGuiApplication::primaryScreen()->depth());
}

}  // namespace
}  // namespace halvena
