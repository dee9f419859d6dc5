// The pictures compiled into the program, read back through the program's own resource access.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "Contrast.h"
#include "assets/Palettes.h"
#include "imaging/ResourceBitmap.h"
#include "platform/Resources.h"

namespace halvena::assets {
namespace {

// A palette display can show only what the palette holds: no entry may waste a slot.
TEST(Palettes, EveryColourOfThe256ColourPaletteIsDifferent) {
  const QVector<QRgb> colours = Palette256Colors();
  ASSERT_EQ(colours.size(), 256);
  // Entry 7 and entry 248 are both grey 128 by design; everything else is distinct.
  const std::set<QRgb> distinct(colours.begin(), colours.end());
  EXPECT_EQ(distinct.size(), 255u);
}

std::uint32_t Le(const QByteArray& b, int at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
  return v;
}

// The mean difference per channel between two pictures of one size, seen from a little
// distance: over blocks of 5 x 5 pixels, where dithering evens out.
double MeanDifference(const QImage& a, const QImage& b) {
  constexpr int kBlock = 5;
  double sum = 0;
  int blocks = 0;
  for (int top = 0; top + kBlock <= a.height(); top += kBlock) {
    for (int left = 0; left + kBlock <= a.width(); left += kBlock) {
      int difference[3] = {0, 0, 0};
      for (int y = top; y < top + kBlock; ++y) {
        for (int x = left; x < left + kBlock; ++x) {
          const QRgb p = a.pixel(x, y);
          const QRgb q = b.pixel(x, y);
          difference[0] += qRed(p) - qRed(q);
          difference[1] += qGreen(p) - qGreen(q);
          difference[2] += qBlue(p) - qBlue(q);
        }
      }
      for (const int d : difference) sum += std::abs(d) / double(kBlock * kBlock);
      ++blocks;
    }
  }
  return sum / (3.0 * blocks);
}

// Each 8-bit bitmap is the designed picture of its window reduced to 256 colours: the "256"
// forms to the program's palette "PAL256" (so that nothing shifts where that palette is
// realised), the others to colours of their own.
TEST(Resources, PalettedPicturesAreTheDesignedPicturesIn8Bits) {
  const QByteArray pal256 = BitmapResource("PAL256");
  const struct {
    const char* name;
    const char* picture;
    int side;
    bool programPalette;
  } bitmaps[] = {{"Intro", "IntroFormImg", 280, false},
                 {"Intro256", "IntroFormImg", 280, true},
                 {"About", "AboutBoxImage", 325, false},
                 {"About256", "AboutBoxImage", 325, true}};
  for (const auto& bitmap : bitmaps) {
    const QByteArray dib = BitmapResource(bitmap.name);
    ASSERT_GE(dib.size(), 40) << bitmap.name;
    EXPECT_EQ(Le(dib, 0, 4), 40u) << bitmap.name;
    EXPECT_EQ(Le(dib, 4, 4), static_cast<std::uint32_t>(bitmap.side)) << bitmap.name;
    EXPECT_EQ(Le(dib, 8, 4), static_cast<std::uint32_t>(bitmap.side)) << bitmap.name;
    EXPECT_EQ(Le(dib, 14, 2), 8u) << bitmap.name;
    EXPECT_EQ(Le(dib, 32, 4), 256u) << bitmap.name;
    if (bitmap.programPalette) {
      EXPECT_EQ(dib.mid(40, 4 * 256), pal256.mid(40, 4 * 256)) << bitmap.name;
    }

    QImage loaded;
    ASSERT_TRUE(LoadBitmapResource(bitmap.name, loaded)) << bitmap.name;
    const QImage designed = PictureResource(bitmap.picture);
    ASSERT_EQ(designed.size(), QSize(bitmap.side, bitmap.side)) << bitmap.picture;
    EXPECT_FALSE(designed.hasAlphaChannel()) << bitmap.picture;
    ASSERT_EQ(loaded.size(), designed.size()) << bitmap.name;
    // Upside down or with a shifted palette the difference would be large.
    EXPECT_LT(MeanDifference(loaded, designed), 4) << bitmap.name;
  }
}

// The about window lays two invisible buttons over the logos: `ZentaSBtn` at (211, 207),
// 78 x 95, and `TarnixSBtn` at (40, 267), 130 x 40, on a picture shown at (2, 2). Each logo's
// colour must lie under its button and nowhere else.
TEST(Resources, LogosLieUnderTheAboutWindowsButtons) {
  const QImage about = PictureResource("AboutBoxImage").convertToFormat(QImage::Format_RGB32);
  const QRect zenta = QRect(211, 207, 78, 95).translated(-2, -2);
  const QRect tarnix = QRect(40, 267, 130, 40).translated(-2, -2);
  QRect red;
  QRect blue;
  for (int y = 0; y < about.height(); ++y) {
    for (int x = 0; x < about.width(); ++x) {
      const QRgb p = about.pixel(x, y);
      if (qRed(p) - qGreen(p) > 50) red |= QRect(x, y, 1, 1);
      if (qBlue(p) - qRed(p) > 50) blue |= QRect(x, y, 1, 1);
    }
  }
  ASSERT_FALSE(red.isEmpty());
  ASSERT_FALSE(blue.isEmpty());
  EXPECT_TRUE(zenta.contains(red))
      << red.x() << "," << red.y() << " " << red.width() << "x" << red.height();
  EXPECT_TRUE(tarnix.contains(blue))
      << blue.x() << "," << blue.y() << " " << blue.width() << "x" << blue.height();
  // The logos fill most of their buttons, so a click on a button lands on its logo.
  EXPECT_GT(red.width() * red.height(), zenta.width() * zenta.height() / 3);
  EXPECT_GT(blue.width() * blue.height(), tarnix.width() * tarnix.height() / 5);
}

// The intro window lays the white loading text (5, 255; 270 x 12) over its picture, drawn
// centred with a one-pixel margin.
TEST(Resources, LoadingTextReadsOnTheIntroPicture) {
  const QImage intro = PictureResource("IntroFormImg");
  EXPECT_GE(
      test::LowestContrast(intro, QRect(5, 255, 270, 12).translated(-1, -1), qRgb(255, 255, 255)),
      4.5);
}

TEST(Resources, WindowIconHasItsSizes) {
  const QIcon icon = WindowIcon();
  ASSERT_FALSE(icon.isNull());
  const QList<QSize> sizes = icon.availableSizes();
  for (const int side : {16, 32, 48, 64, 128, 256}) {
    EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
  }
  const QImage small = icon.pixmap(16, 16).toImage();
  EXPECT_EQ(qAlpha(small.pixel(0, 0)), 0);  // round, on a clear ground
  EXPECT_EQ(qAlpha(small.pixel(8, 8)), 255);
}

}  // namespace
}  // namespace halvena::assets
