#include "assets/Quantize.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <algorithm>
#include <set>

namespace halvena::assets {
namespace {

QImage Stripes(const QVector<QRgb>& colors, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.setPixel(x, y, colors[(x + y * 3) % colors.size()]);
  }
  return image;
}

TEST(Quantize, FewColoursAreKeptExactly) {
  const QVector<QRgb> colors = {qRgb(10, 20, 30), qRgb(200, 10, 10), qRgb(10, 200, 10),
                                qRgb(250, 250, 250), qRgb(0, 0, 0)};
  const QImage image = Stripes(colors, 17, 9);
  for (const int count : {5, 8, 256}) {
    const QVector<QRgb> palette = PictureColors(image, count);
    EXPECT_EQ(std::set<QRgb>(palette.begin(), palette.end()),
              std::set<QRgb>(colors.begin(), colors.end()))
        << count;
    // Every pixel finds its own colour again, so nothing is spread.
    const std::vector<std::uint8_t> indices = DiffuseToPalette(image, palette);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        ASSERT_EQ(palette[indices[static_cast<std::size_t>(y * image.width() + x)]],
                  image.pixel(x, y));
      }
    }
  }
}

TEST(Quantize, ManyColoursAreReducedToTheCount) {
  QImage ramp(256, 4, QImage::Format_RGB32);
  for (int x = 0; x < 256; ++x) {
    for (int y = 0; y < 4; ++y) ramp.setPixel(x, y, qRgb(x, 255 - x, x / 2));
  }
  const QVector<QRgb> palette = PictureColors(ramp, 16);
  EXPECT_EQ(palette.size(), 16);
  EXPECT_TRUE(PictureColors(QImage(), 16).isEmpty());
}

// A grey between black and white comes out as a mix of both whose share matches the grey.
TEST(Quantize, DiffusionKeepsTheMeanOfAFlatColour) {
  const QVector<QRgb> blackAndWhite = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
  for (const int grey : {64, 128, 191}) {
    QImage flat(40, 40, QImage::Format_RGB32);
    flat.fill(qRgb(grey, grey, grey));
    const std::vector<std::uint8_t> indices = DiffuseToPalette(flat, blackAndWhite);
    const auto white = std::count(indices.begin(), indices.end(), 1);
    EXPECT_NEAR(static_cast<double>(white) / static_cast<double>(indices.size()), grey / 255.0,
                0.03)
        << grey;
  }
}

}  // namespace
}  // namespace halvena::assets
