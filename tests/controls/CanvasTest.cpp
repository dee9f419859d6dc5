#include "controls/Canvas.h"

#include <gtest/gtest.h>

#include "ControlTesting.h"
#include "controls/Basics.h"
#include "controls/Picture.h"

namespace halvena {
namespace {

QImage FineSurface(int width, int height) {
  QImage surface(width * 2, height * 2, QImage::Format_RGB32);
  surface.setDevicePixelRatio(2);
  surface.fill(Qt::white);
  return surface;
}

TEST(CanvasTest, FinerPictureCountsLogicalPixels) {
  TPicture picture;
  picture.SetBitmap(FineStripes(5, 3));
  EXPECT_EQ(picture.Width(), 5);
  EXPECT_EQ(picture.Height(), 3);
  picture.SetIcon(FineStripes(5, 3));
  EXPECT_EQ(picture.Width(), 5);
}

// Placed, copied from an offset or stretched to its own size, a finer picture lands in its
// logical place with every device pixel of its own.
TEST(CanvasTest, FinerPictureIsDrawnAtDeviceResolution) {
  TPicture bitmap;
  bitmap.SetBitmap(FineStripes(6, 4));
  TPicture icon;
  icon.SetIcon(FineStripes(6, 4));
  QImage surface = FineSurface(20, 20);
  {
    TCanvas canvas(&surface, 32);
    DrawGraphicAt(&canvas, 1, 1, &bitmap);
    DrawGraphicAt(&canvas, 10, 1, &icon);
    DrawGraphicStretched(&canvas, 1, 10, 6, 4, &bitmap);
    canvas.BitBlt(TRect::Box(10, 10, 3, 2), bitmap.Image(), QPoint(2, 1), TRop::SRCCOPY);
  }
  EXPECT_TRUE(Striped(surface, 2, 13, 2));
  EXPECT_EQ(surface.pixel(1, 2), qRgb(255, 255, 255));
  EXPECT_EQ(surface.pixel(14, 2), qRgb(255, 255, 255));
  EXPECT_TRUE(Striped(surface, 20, 31, 9));
  EXPECT_TRUE(Striped(surface, 2, 13, 27));
  EXPECT_TRUE(Striped(surface, 20, 25, 21));
  EXPECT_EQ(surface.pixel(26, 21), qRgb(255, 255, 255));
  EXPECT_EQ(surface.pixel(20, 24), qRgb(255, 255, 255));
}

// A line of width 1 covers whole logical pixels on a finer device, so it shows unbroken;
// its end point stays out.
TEST(CanvasTest, ThinLineStaysUnbrokenOnAFinerDevice) {
  QImage surface = FineSurface(10, 10);
  {
    TCanvas canvas(&surface, 32);
    canvas.Pen.SetColor(Qt::black);
    canvas.MoveTo(1, 2);
    canvas.LineTo(8, 2);
  }
  for (int x = 2; x < 16; ++x) {
    EXPECT_EQ(surface.pixel(x, 4), qRgb(0, 0, 0)) << x;
    EXPECT_EQ(surface.pixel(x, 5), qRgb(0, 0, 0)) << x;
  }
  EXPECT_EQ(surface.pixel(16, 4), qRgb(255, 255, 255));
  EXPECT_EQ(surface.pixel(8, 6), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace halvena
