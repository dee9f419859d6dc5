#include "Display.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

namespace halvena {
namespace {

TEST(Display, OverrideReplacesThePrimaryScreenUntilCleared) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  ASSERT_NE(screen, nullptr);

  SetDisplayOverride({640, 480, 8});
  TDisplayMetrics m = DisplayMetrics();
  EXPECT_EQ(m.Width, 640);
  EXPECT_EQ(m.Height, 480);
  EXPECT_EQ(m.BitsPerPixel, 8);

  ClearDisplayOverride();
  m = DisplayMetrics();
  EXPECT_EQ(m.Width, screen->size().width());
  EXPECT_EQ(m.Height, screen->size().height());
  EXPECT_EQ(m.BitsPerPixel, screen->depth());
}

}  // namespace
}  // namespace halvena
