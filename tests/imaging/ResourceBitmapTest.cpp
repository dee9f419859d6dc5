#include "ResourceBitmap.h"

#include <gtest/gtest.h>

namespace halvena {
namespace {

void PutLe(QByteArray& b, int bytes, std::int64_t v) {
  for (int i = 0; i < bytes; ++i) b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// A 3 x 2 bitmap with a 40-byte header: `used` colours (4-byte entries), then rows of
// `rows` (bottom row first unless the height is negative), each padded to 4 bytes.
QByteArray InfoDib(int bits, int height, int used, const QVector<QRgb>& colors,
                   const QByteArray& rows) {
  QByteArray dib;
  PutLe(dib, 4, 40);
  PutLe(dib, 4, 3);
  PutLe(dib, 4, height);
  PutLe(dib, 2, 1);
  PutLe(dib, 2, bits);
  PutLe(dib, 4, 0);
  PutLe(dib, 4, rows.size());
  PutLe(dib, 4, 0);
  PutLe(dib, 4, 0);
  PutLe(dib, 4, used);
  PutLe(dib, 4, 0);
  for (const QRgb c : colors) {
    dib.append(static_cast<char>(qBlue(c)));
    dib.append(static_cast<char>(qGreen(c)));
    dib.append(static_cast<char>(qRed(c)));
    dib.append('\0');
  }
  return dib + rows;
}

const QVector<QRgb> kFour = {qRgb(1, 2, 3), qRgb(40, 50, 60), qRgb(200, 0, 0), qRgb(0, 0, 250)};

TEST(ResourceBitmap, LoadsThePaletteBitmapsWithTheirColours) {
  QImage image;
  ASSERT_TRUE(LoadBitmapResource("PAL256", image));
  ASSERT_EQ(image.size(), QSize(10, 10));
  ASSERT_EQ(image.colorCount(), 256);
  EXPECT_EQ(image.color(8), qRgb(192, 220, 192));
  EXPECT_EQ(image.color(246), qRgb(255, 251, 240));
  EXPECT_EQ(image.pixelIndex(3, 2), 23);  // the pixels run through the palette

  ASSERT_TRUE(LoadBitmapResource("pal16", image));
  EXPECT_EQ(image.colorCount(), 16);
  EXPECT_EQ(image.pixelIndex(9, 9), 99 % 16);
}

TEST(ResourceBitmap, MissingResourceAnswersFalseAndLeavesTheTarget) {
  QImage image(2, 2, QImage::Format_RGB32);
  for (const char* name : {"ButUp256", "ButUp", "ButDown256", "ButDisabled", ""}) {
    EXPECT_FALSE(LoadBitmapResource(QString::fromLatin1(name), image)) << name;
    EXPECT_EQ(image.size(), QSize(2, 2));
  }
}

TEST(ResourceBitmap, CoreHeaderHasThreeByteColours) {
  QByteArray dib;
  PutLe(dib, 4, 12);
  PutLe(dib, 2, 3);
  PutLe(dib, 2, 1);
  PutLe(dib, 2, 1);
  PutLe(dib, 2, 1);
  dib.append("\x10\x20\x30\x40\x50\x60", 6);  // two colours, blue first
  dib.append("\xA0\0\0\0", 4);                // pixels 1 0 1
  const QImage image = DecodePalettedDib(dib);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.colorTable(), (QVector<QRgb>{qRgb(0x30, 0x20, 0x10), qRgb(0x60, 0x50, 0x40)}));
  EXPECT_EQ(image.pixelIndex(0, 0), 1);
  EXPECT_EQ(image.pixelIndex(1, 0), 0);
  EXPECT_EQ(image.pixelIndex(2, 0), 1);
}

TEST(ResourceBitmap, UsedColoursSizeTheTableAndRowsFollowIt) {
  // 8 bits with only four colours: the rows start right after the fourth.
  const QByteArray rows("\x00\x01\x02\x00\x03\x07\x01\x00", 8);
  QImage image = DecodePalettedDib(InfoDib(8, 2, 4, kFour, rows));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.colorTable().mid(0, 4), kFour);
  EXPECT_EQ(image.pixel(0, 0), kFour[3]);       // bottom-up: the second stored row is on top
  EXPECT_EQ(image.pixel(1, 0), qRgb(0, 0, 0));  // index 7 beyond the palette
  EXPECT_EQ(image.pixel(2, 1), kFour[2]);

  image = DecodePalettedDib(InfoDib(8, -2, 4, kFour, rows));  // top-down
  EXPECT_EQ(image.pixel(2, 0), kFour[2]);

  // 4 bits and no count: sixteen entries, of which these four are given and the rest follow.
  QVector<QRgb> sixteen = kFour;
  sixteen.resize(16, qRgb(9, 9, 9));
  image = DecodePalettedDib(InfoDib(4, 1, 0, sixteen, QByteArray("\x32\xF0\0\0", 4)));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.pixel(0, 0), kFour[3]);
  EXPECT_EQ(image.pixel(2, 0), qRgb(9, 9, 9));
}

TEST(ResourceBitmap, RefusesWhatItCannotRead) {
  const QByteArray rows("\x00\x01\x02\x00\x03\x07\x01\x00", 8);
  const QByteArray good = InfoDib(8, 2, 4, kFour, rows);
  QByteArray compressed = good;
  compressed[16] = 1;
  QByteArray tooManyColours = good;
  tooManyColours[33] = 1;  // 260 used colours
  QByteArray hugeWidth = good;
  hugeWidth[7] = 0x7F;
  const struct {
    const char* name;
    QByteArray dib;
  } cases[] = {
      {"empty", QByteArray()},
      {"24 bits", InfoDib(24, 1, 0, {}, QByteArray(12, '\0'))},
      {"cut short", good.left(good.size() - 1)},
      {"compressed", compressed},
      {"too many colours", tooManyColours},
      {"huge width", hugeWidth},
      {"header of 20 bytes", QByteArray("\x14\0\0\0", 4) + QByteArray(60, '\0')},
  };
  for (const auto& c : cases) EXPECT_TRUE(DecodePalettedDib(c.dib).isNull()) << c.name;
}

}  // namespace
}  // namespace halvena
