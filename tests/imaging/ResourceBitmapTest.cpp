#include "imaging/ResourceBitmap.h"

#include <gtest/gtest.h>

namespace halvena {
namespace {

void PutLe(QByteArray& b, int bytes, std::int64_t v) {
  for (int i = 0; i < bytes; ++i) b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// A 3-pixel-wide bitmap with a 40-byte header, `colors` as 4-byte entries, then `rows`.
QByteArray InfoDib(int bits, int height, int used, const QVector<QRgb>& colors,
                   const QByteArray& rows) {
  QByteArray dib;
  for (const auto& [bytes, value] : std::initializer_list<std::pair<int, std::int64_t>>{{4, 40},
                                                                                        {4, 3},
                                                                                        {4, height},
                                                                                        {2, 1},
                                                                                        {2, bits},
                                                                                        {4, 0},
                                                                                        {4, 0},
                                                                                        {4, 0},
                                                                                        {4, 0},
                                                                                        {4, used},
                                                                                        {4, 0}}) {
    PutLe(dib, bytes, value);
  }
  for (const QRgb c : colors) PutLe(dib, 4, c & 0xFFFFFF);  // blue, green, red, 0
  return dib + rows;
}

const QVector<QRgb> kFour = {qRgb(1, 2, 3), qRgb(40, 50, 60), qRgb(200, 0, 0), qRgb(0, 0, 250)};
const QByteArray kRows("\x00\x01\x02\x00\x03\x07\x01\x00", 8);  // two rows of 3, padded

TEST(ResourceBitmap, LoadsThePaletteBitmapsAndAnswersFalseForMissingOnes) {
  // The standard colours at both ends of the 256-colour palette; the 16-colour palette is the
  // first eight of them with silver, then the bright ones.
  const QVector<QRgb> low = {qRgb(0, 0, 0),      qRgb(128, 0, 0),     qRgb(0, 128, 0),
                             qRgb(128, 128, 0),  qRgb(0, 0, 128),     qRgb(128, 0, 128),
                             qRgb(0, 128, 128),  qRgb(128, 128, 128), qRgb(192, 220, 192),
                             qRgb(166, 202, 240)};
  const QVector<QRgb> high = {qRgb(255, 251, 240), qRgb(160, 160, 164), qRgb(128, 128, 128),
                              qRgb(255, 0, 0),     qRgb(0, 255, 0),     qRgb(255, 255, 0),
                              qRgb(0, 0, 255),     qRgb(255, 0, 255),   qRgb(0, 255, 255),
                              qRgb(255, 255, 255)};
  QImage image;
  ASSERT_TRUE(LoadBitmapResource("PAL256", image));
  ASSERT_EQ(image.size(), QSize(10, 10));
  ASSERT_EQ(image.colorCount(), 256);
  EXPECT_EQ(image.colorTable().mid(0, 10), low);
  EXPECT_EQ(image.colorTable().mid(246), high);
  const QList<int> reds = {0, 42, 51, 85, 102, 127, 153, 170, 204, 212, 255};
  const QList<int> greens = {0, 31, 63, 95, 127, 159, 191, 204, 223, 255};
  const QList<int> blues = {0, 85, 170, 255};
  for (int i = 10; i < 246; ++i) {
    const QRgb c = image.color(i);
    EXPECT_TRUE(reds.contains(qRed(c)) && greens.contains(qGreen(c)) && blues.contains(qBlue(c)))
        << i;
  }
  EXPECT_EQ(image.pixelIndex(3, 2), 23);  // the pixels run through the palette
  ASSERT_TRUE(LoadBitmapResource("pal16", image));
  EXPECT_EQ(image.colorTable(), low.mid(0, 8) + QVector<QRgb>{qRgb(192, 192, 192)} + high.mid(3));

  for (const char* name : {"ButUp256", "ButUp", "ButDisabled", ""}) {
    EXPECT_FALSE(LoadBitmapResource(QString::fromLatin1(name), image)) << name;
    EXPECT_EQ(image.colorCount(), 16);
  }
}

TEST(ResourceBitmap, CoreHeaderHasThreeByteColours) {
  QByteArray dib;
  PutLe(dib, 4, 12);
  for (const int v : {3, 1, 1, 1}) PutLe(dib, 2, v);  // width 3, height 1, one plane, one bit
  dib.append("\x10\x20\x30\x40\x50\x60\xA0\0\0\0", 10);
  const QImage image = DecodePalettedDib(dib);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.colorTable(), (QVector<QRgb>{qRgb(0x30, 0x20, 0x10), qRgb(0x60, 0x50, 0x40)}));
  EXPECT_EQ(image.pixelIndex(0, 0) * 100 + image.pixelIndex(1, 0) * 10 + image.pixelIndex(2, 0),
            101);

  // Its sizes are unsigned and its rows always run bottom up: 32769 rows, the last stored on top.
  QByteArray tall;
  PutLe(tall, 4, 12);
  for (const int v : {1, 32769, 1, 1}) PutLe(tall, 2, v);
  tall.append("\0\0\0\xFF\xFF\xFF", 6);
  tall.append(QByteArray(4 * 32768, '\0'));
  tall.append("\x80\0\0\0", 4);
  const QImage tallImage = DecodePalettedDib(tall);
  ASSERT_EQ(tallImage.size(), QSize(1, 32769));
  EXPECT_EQ(tallImage.pixelIndex(0, 0), 1);
  EXPECT_EQ(tallImage.pixelIndex(0, 32768), 0);
}

TEST(ResourceBitmap, UsedColoursSizeTheTableAndRowsFollowIt) {
  QImage image = DecodePalettedDib(InfoDib(8, 2, 4, kFour, kRows));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.pixel(0, 0), kFour[3]);       // bottom-up: the second stored row is on top
  EXPECT_EQ(image.pixel(1, 0), qRgb(0, 0, 0));  // index 7 is beyond the four colours
  EXPECT_EQ(image.pixel(2, 1), kFour[2]);
  EXPECT_EQ(DecodePalettedDib(InfoDib(8, -2, 4, kFour, kRows)).pixel(2, 0), kFour[2]);

  QVector<QRgb> sixteen = kFour;  // no count at 4 bits: sixteen entries
  sixteen.resize(16, qRgb(9, 9, 9));
  image = DecodePalettedDib(InfoDib(4, 1, 0, sixteen, QByteArray("\x32\xF0\0\0", 4)));
  EXPECT_EQ(image.pixel(0, 0), kFour[3]);
  EXPECT_EQ(image.pixel(2, 0), qRgb(9, 9, 9));
}

TEST(ResourceBitmap, RefusesWhatItCannotRead) {
  const QByteArray good = InfoDib(8, 2, 4, kFour, kRows);
  const auto changed = [&good](int at, char value) {
    QByteArray dib = good;
    dib[at] = value;
    return dib;
  };
  const QByteArray cases[] = {
      QByteArray(),     InfoDib(24, 1, 0, {}, QByteArray(12, '\0')), good.left(good.size() - 1),
      changed(16, 1),    // compressed
      changed(33, 1),    // 260 colours
      changed(7, 0x7F),  // too wide
      changed(0, 20),    // a header of 20 bytes
  };
  for (const QByteArray& dib : cases)
    EXPECT_TRUE(DecodePalettedDib(dib).isNull()) << dib.toHex().left(80).constData();
}

}  // namespace
}  // namespace halvena
