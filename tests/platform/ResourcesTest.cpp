#include "platform/Resources.h"

#include <gtest/gtest.h>

#include <QPixmap>
#include <set>

namespace halvena {
namespace {

std::uint32_t Le(const QByteArray& b, int at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
  return v;
}

// The colour table behind the 40-byte header.
std::vector<QRgb> ColourTable(const QByteArray& dib, int count) {
  std::vector<QRgb> colours;
  for (int at = 40; at < 40 + 4 * count; at += 4) colours.push_back(0xFF000000 | Le(dib, at, 3));
  return colours;
}

TEST(Resources, PaletteBitmapsAreTenByTenWithTheirColourTables) {
  const QByteArray pal16 = BitmapResource("PAL16");
  const QByteArray pal256 = BitmapResource("pal256");  // names ignore case
  ASSERT_EQ(pal16.size(), 40 + 4 * 16 + 10 * 8);
  ASSERT_EQ(pal256.size(), 40 + 4 * 256 + 10 * 12);
  for (const QByteArray& dib : {pal16, pal256}) {
    EXPECT_EQ(Le(dib, 0, 4), 40u);
    EXPECT_EQ(Le(dib, 4, 4), 10u);
    EXPECT_EQ(Le(dib, 8, 4), 10u);
  }
  EXPECT_EQ(Le(pal16, 14, 2), 4u);
  EXPECT_EQ(Le(pal256, 14, 2), 8u);

  EXPECT_EQ(ColourTable(pal16, 16),
            (std::vector<QRgb>{qRgb(0, 0, 0), qRgb(128, 0, 0), qRgb(0, 128, 0), qRgb(128, 128, 0),
                               qRgb(0, 0, 128), qRgb(128, 0, 128), qRgb(0, 128, 128),
                               qRgb(128, 128, 128), qRgb(192, 192, 192), qRgb(255, 0, 0),
                               qRgb(0, 255, 0), qRgb(255, 255, 0), qRgb(0, 0, 255),
                               qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)}));

  const std::vector<QRgb> table = ColourTable(pal256, 256);
  EXPECT_EQ(std::vector<QRgb>(table.begin() + 7, table.begin() + 10),
            (std::vector<QRgb>{qRgb(128, 128, 128), qRgb(192, 220, 192), qRgb(166, 202, 240)}));
  EXPECT_EQ(std::vector<QRgb>(table.begin() + 246, table.begin() + 249),
            (std::vector<QRgb>{qRgb(255, 251, 240), qRgb(160, 160, 164), qRgb(128, 128, 128)}));
  EXPECT_EQ(table[255], qRgb(255, 255, 255));
  const std::set<int> red = {0, 42, 51, 85, 102, 127, 153, 170, 204, 212, 255};
  const std::set<int> green = {0, 31, 63, 95, 127, 159, 191, 204, 223, 255};
  const std::set<int> blue = {0, 85, 170, 255};
  const std::set<QRgb> middle(table.begin() + 10, table.begin() + 246);
  EXPECT_EQ(middle.size(), 236u);  // no colour twice
  for (const QRgb c : middle) {
    EXPECT_TRUE(red.count(qRed(c)) && green.count(qGreen(c)) && blue.count(qBlue(c))) << c;
  }
}

TEST(Resources, CursorsAndScrollPictures) {
  for (const char* name : {"HandCursor", "HandNoFingersCursor"}) {
    const std::optional<QCursor> cursor = CursorResource(QString::fromLatin1(name));
    ASSERT_TRUE(cursor.has_value()) << name;
    const QImage image = cursor->pixmap().toImage();
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_GT(qAlpha(image.pixel(cursor->hotSpot())), 0) << name;  // the hot spot is on the hand
  }
  for (const char* name : {"ScrollUp", "ScrollThumb", "ScrollDown"}) {
    const QImage image = PictureResource(QString::fromLatin1(name));
    EXPECT_EQ(image.size(), QSize(16, 16)) << name;
    EXPECT_FALSE(image.hasAlphaChannel()) << name;
    // The finer copy for screens of twice the density.
    EXPECT_EQ(PictureResource(QString::fromLatin1(name) + QStringLiteral("@2x")).size(),
              QSize(32, 32))
        << name;
  }
  EXPECT_TRUE(BitmapResource("ButUp256").isEmpty());
  EXPECT_FALSE(CursorResource("ScrollUp").has_value());
  EXPECT_TRUE(PictureResource("PAL16").isNull());
}

}  // namespace
}  // namespace halvena
