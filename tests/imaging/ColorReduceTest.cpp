#include "imaging/ColorReduce.h"

#include <gtest/gtest.h>

namespace halvena {
namespace {

QImage Filled(int grey) {
  QImage image(32, 32, QImage::Format_RGB32);
  image.fill(qRgb(grey, grey, grey));
  return image;
}

double MeanRed(const QImage& image) {
  double sum = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) sum += qRed(image.pixel(x, y));
  }
  return sum / (image.width() * image.height());
}

TEST(ColorReduce, PixelsTakeTheNearestOrExactColour) {
  const QVector<QRgb> palette = {qRgb(0, 0, 0), qRgb(128, 128, 128), qRgb(250, 10, 10),
                                 qRgb(128, 128, 128)};
  QImage image(3, 1, QImage::Format_RGB32);
  image.setPixel(0, 0, qRgb(128, 128, 128));
  image.setPixel(1, 0, qRgb(255, 0, 0));
  image.setPixel(2, 0, qRgb(20, 20, 20));
  const QImage out = ReduceToPalette(image, palette, false);
  ASSERT_EQ(out.format(), QImage::Format_Indexed8);
  EXPECT_EQ(out.colorTable(), palette);
  EXPECT_EQ(out.pixelIndex(0, 0), 1);  // the first of two equal entries
  EXPECT_EQ(out.pixelIndex(1, 0), 2);
  EXPECT_EQ(out.pixelIndex(2, 0), 0);
}

TEST(ColorReduce, NearestIsExactBetweenCloseColours) {
  // Colours a few steps apart, so that the nearest one changes inside every small box of
  // colours; each pixel is checked against a plain search of the palette.
  const QVector<QRgb> palette = {qRgb(0, 0, 0), qRgb(10, 0, 0),     qRgb(13, 5, 0),
                                 qRgb(3, 3, 9), qRgb(200, 100, 47), qRgb(205, 103, 50)};
  QImage image(64, 64, QImage::Format_RGB32);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      image.setPixel(
          x, y,
          y < 32 ? qRgb(x / 4, y / 2, x % 4 * 4) : qRgb(192 + x / 4, 96 + y / 8, 40 + x % 16));
    }
  }
  const QImage out = ReduceToPalette(image, palette, false);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      const QRgb c = image.pixel(x, y);
      int best = 0;
      int bestDistance = 1 << 30;
      for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(c);
        const int dg = qGreen(palette[i]) - qGreen(c);
        const int db = qBlue(palette[i]) - qBlue(c);
        if (dr * dr + dg * dg + db * db < bestDistance) {
          best = i, bestDistance = dr * dr + dg * dg + db * db;
        }
      }
      ASSERT_EQ(out.pixelIndex(x, y), best) << x << "," << y;
    }
  }
}

TEST(ColorReduce, DitherKeepsTheAverageOfAnArea) {
  const QVector<QRgb> blackWhite = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
  for (const int grey : {64, 128, 200}) {
    EXPECT_NEAR(MeanRed(ReduceToPalette(Filled(grey), blackWhite, true)), grey, 6) << grey;
  }
  EXPECT_EQ(MeanRed(ReduceToPalette(Filled(64), blackWhite, false)), 0.0);
  EXPECT_TRUE(ReduceToPalette(Filled(64), {}, true).isNull());
}

}  // namespace
}  // namespace halvena
