#include "Resources.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QPixmap>
#include <set>

namespace halvena {
namespace {

std::uint32_t Le(const QByteArray& b, int at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
  return v;
}

// The colour table behind the 40-byte header, as red/green/blue.
std::vector<QColor> ColourTable(const QByteArray& dib, int count) {
  std::vector<QColor> colours;
  for (int i = 0; i < count; ++i) {
    const int at = 40 + 4 * i;
    colours.emplace_back(static_cast<std::uint8_t>(dib[at + 2]),
                         static_cast<std::uint8_t>(dib[at + 1]),
                         static_cast<std::uint8_t>(dib[at]));
  }
  return colours;
}

TEST(Resources, PaletteBitmapsAreTenByTenWithFullColourTables) {
  const struct {
    const char* name;
    int bits;
    int stride;
  } cases[] = {{"PAL16", 4, 8}, {"PAL256", 8, 12}};
  for (const auto& c : cases) {
    const QByteArray dib = BitmapResource(QString::fromLatin1(c.name));
    const int colours = 1 << c.bits;
    ASSERT_EQ(dib.size(), 40 + 4 * colours + 10 * c.stride) << c.name;
    EXPECT_EQ(Le(dib, 0, 4), 40u);
    EXPECT_EQ(Le(dib, 4, 4), 10u);
    EXPECT_EQ(Le(dib, 8, 4), 10u);
    EXPECT_EQ(Le(dib, 12, 2), 1u);
    EXPECT_EQ(Le(dib, 14, 2), static_cast<std::uint32_t>(c.bits));
    EXPECT_EQ(Le(dib, 16, 4), 0u);
    const std::uint32_t used = Le(dib, 32, 4);
    EXPECT_TRUE(used == 0 || used == static_cast<std::uint32_t>(colours));
  }
}

TEST(Resources, Palette16HoldsTheVgaColours) {
  const std::vector<QColor> expected = {
      {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},  {0, 0, 128}, {128, 0, 128},
      {0, 128, 128}, {128, 128, 128}, {192, 192, 192}, {255, 0, 0},    {0, 255, 0}, {255, 255, 0},
      {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
  EXPECT_EQ(ColourTable(BitmapResource("PAL16"), 16), expected);
}

TEST(Resources, Palette256HasTheFixedEndsAndMiddleColoursFromTheLevels) {
  const std::vector<QColor> table = ColourTable(BitmapResource("PAL256"), 256);
  ASSERT_EQ(table.size(), 256u);
  const std::vector<QColor> head = {{0, 0, 0},       {128, 0, 0},    {0, 128, 0},   {128, 128, 0},
                                    {0, 0, 128},     {128, 0, 128},  {0, 128, 128}, {128, 128, 128},
                                    {192, 220, 192}, {166, 202, 240}};
  const std::vector<QColor> tail = {
      {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},   {0, 255, 0},
      {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255}, {255, 255, 255}};
  EXPECT_EQ(std::vector<QColor>(table.begin(), table.begin() + 10), head);
  EXPECT_EQ(std::vector<QColor>(table.begin() + 246, table.end()), tail);

  const std::set<int> red = {0, 42, 51, 85, 102, 127, 153, 170, 204, 212, 255};
  const std::set<int> green = {0, 31, 63, 95, 127, 159, 191, 204, 223, 255};
  const std::set<int> blue = {0, 85, 170, 255};
  std::set<QRgb> middle;
  for (int i = 10; i < 246; ++i) {
    EXPECT_TRUE(red.count(table[i].red()) && green.count(table[i].green()) &&
                blue.count(table[i].blue()))
        << "entry " << i;
    middle.insert(table[i].rgb());
  }
  EXPECT_EQ(middle.size(), 236u);  // no colour twice
}

TEST(Resources, NamesIgnoreLetterCaseAndMissingOnesAreEmpty) {
  EXPECT_EQ(BitmapResource("pal256"), BitmapResource("PAL256"));
  EXPECT_TRUE(BitmapResource("ButUp256").isEmpty());
  EXPECT_TRUE(BitmapResource("").isEmpty());
  EXPECT_FALSE(CursorResource("NoSuchCursor").has_value());
  EXPECT_TRUE(PictureResource("NoSuchPicture").isNull());
  EXPECT_TRUE(PictureResource("PAL16").isNull());  // a bitmap is not a picture resource
}

TEST(Resources, CursorsHaveTheirHotSpotOnTheHand) {
  for (const char* name : {"HandCursor", "HandNoFingersCursor"}) {
    const std::optional<QCursor> cursor = CursorResource(QString::fromLatin1(name));
    ASSERT_TRUE(cursor.has_value()) << name;
    EXPECT_EQ(cursor->shape(), Qt::BitmapCursor);
    const QImage image = cursor->pixmap().toImage();
    ASSERT_EQ(image.size(), QSize(32, 32));
    const QPoint hot = cursor->hotSpot();
    ASSERT_TRUE(image.rect().contains(hot)) << name;
    EXPECT_GT(qAlpha(image.pixel(hot)), 0) << name;
  }
  EXPECT_NE(CursorResource("HandCursor")->hotSpot(),
            CursorResource("HandNoFingersCursor")->hotSpot());
}

TEST(Resources, ScrollPicturesAreOpaqueSixteenSquares) {
  for (const char* name : {"ScrollUp", "ScrollThumb", "ScrollDown"}) {
    const QImage image = PictureResource(QString::fromLatin1(name));
    EXPECT_EQ(image.size(), QSize(16, 16)) << name;
    EXPECT_FALSE(image.hasAlphaChannel()) << name;
  }
  // An arrow is widest at its base: the dark ink of the up arrow lies low, that of the down
  // arrow high.
  const auto inkCentre = [](const QImage& image) {
    int sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (qGray(image.pixel(x, y)) < 100) sum += y, ++count;
      }
    }
    return count == 0 ? -1.0 : double(sum) / count;
  };
  EXPECT_GT(inkCentre(PictureResource("ScrollDown")), 0.0);
  EXPECT_GT(inkCentre(PictureResource("ScrollUp")), inkCentre(PictureResource("ScrollDown")) + 0.5);
}

}  // namespace
}  // namespace halvena
