#include "ColorReduce.h"

#include <gtest/gtest.h>

namespace halvena {
namespace {

const QVector<QRgb> kGreys = {qRgb(0, 0, 0), qRgb(128, 128, 128), qRgb(255, 255, 255),
                              qRgb(128, 128, 128)};

QImage Filled(int w, int h, QRgb color) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(color);
  return image;
}

double MeanGrey(const QImage& indexed) {
  double sum = 0;
  for (int y = 0; y < indexed.height(); ++y) {
    for (int x = 0; x < indexed.width(); ++x) sum += qRed(indexed.pixel(x, y));
  }
  return sum / (indexed.width() * indexed.height());
}

TEST(ColorReduce, ExactColoursKeepTheirFirstIndex) {
  QImage image(3, 1, QImage::Format_RGB32);
  image.setPixel(0, 0, qRgb(255, 255, 255));
  image.setPixel(1, 0, qRgb(128, 128, 128));
  image.setPixel(2, 0, qRgb(0, 0, 0));
  for (const bool dither : {false, true}) {
    const QImage out = ReduceToPalette(image, kGreys, dither);
    ASSERT_EQ(out.format(), QImage::Format_Indexed8);
    EXPECT_EQ(out.colorTable(), kGreys);
    EXPECT_EQ(out.pixelIndex(0, 0), 2);
    EXPECT_EQ(out.pixelIndex(1, 0), 1);  // not the duplicate at 3
    EXPECT_EQ(out.pixelIndex(2, 0), 0);
  }
}

TEST(ColorReduce, WithoutDitherEveryPixelTakesTheNearestColour) {
  const QImage out = ReduceToPalette(Filled(8, 8, qRgb(180, 170, 190)), kGreys, false);
  EXPECT_EQ(MeanGrey(out), 128.0);
  EXPECT_EQ(
      ReduceToPalette(Filled(1, 1, qRgb(250, 10, 10)), {qRgb(0, 0, 255), qRgb(255, 0, 0)}, false)
          .pixelIndex(0, 0),
      1);
}

TEST(ColorReduce, DitherKeepsTheAverageOfAnArea) {
  const QVector<QRgb> blackWhite = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
  for (const int grey : {64, 128, 200}) {
    const QImage out = ReduceToPalette(Filled(32, 32, qRgb(grey, grey, grey)), blackWhite, true);
    EXPECT_NEAR(MeanGrey(out), grey, 6) << grey;
  }
  // Without dither the same area is one flat colour.
  EXPECT_EQ(MeanGrey(ReduceToPalette(Filled(32, 32, qRgb(64, 64, 64)), blackWhite, false)), 0.0);
}

TEST(ColorReduce, NothingToReduceGivesNull) {
  EXPECT_TRUE(ReduceToPalette(QImage(), kGreys, true).isNull());
  EXPECT_TRUE(ReduceToPalette(Filled(2, 2, 0), {}, true).isNull());
  EXPECT_TRUE(ReduceToPalette(Filled(2, 2, 0), QVector<QRgb>(257, 0), true).isNull());
}

}  // namespace
}  // namespace halvena
