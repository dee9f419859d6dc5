#include "imaging/Pcx.h"

#include <gtest/gtest.h>

#include "TestFiles.h"

namespace halvena {
namespace {

using test::PcxFile;
using test::TPcxLayout;

std::vector<int> Indices(const QImage& image) {
  std::vector<int> out;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) out.push_back(image.pixelIndex(x, y));
  }
  return out;
}

QVector<QRgb> Ramp(int count) {
  QVector<QRgb> colors;
  for (int i = 0; i < count; ++i) colors.append(qRgb(i, 255 - i, 3 * i % 256));
  return colors;
}

TEST(Pcx, PalettedKindsCombinePlanesIntoIndices) {
  const QVector<QRgb> header = Ramp(16);
  const QVector<QRgb> defaults = {qRgb(0, 0, 0), qRgb(0, 0, 170), qRgb(0, 170, 0),
                                  qRgb(0, 170, 170)};
  const struct {
    const char* name;
    int bits, planes, version;
    std::vector<std::uint8_t> raw;  // one row of 4 pixels
    std::vector<int> indices;
    QVector<QRgb> tableStart;
  } cases[] = {
      {"mono", 1, 1, 5, {0b10100000, 0}, {1, 0, 1, 0}, {qRgb(0, 0, 0), qRgb(255, 255, 255)}},
      {"2 bits", 2, 1, 5, {0b00011011, 0}, {0, 1, 2, 3}, header.mid(0, 4)},
      {"4 bits", 4, 1, 5, {0x0F, 0x5A}, {0, 15, 5, 10}, header},
      {"4 bits, no palette", 4, 1, 3, {0x0F, 0x00}, {0, 15, 0, 0}, defaults},
      {"3 planes", 1, 3, 5, {0x80, 0, 0x40, 0, 0x30, 0}, {1, 2, 4, 4}, header.mid(0, 8)},
      {"4 planes", 1, 4, 5, {0xF0, 0, 0x70, 0, 0x30, 0, 0x10, 0}, {1, 3, 7, 15}, header},
      {"8 bits, no palette", 8, 1, 5, {0, 7, 200, 255}, {0, 7, 200, 255}, {qRgb(1, 1, 1)}},
  };
  for (const auto& c : cases) {
    TPcxLayout layout{c.version, c.bits, c.planes, 4, 1, 0, header, {}};
    QImage image;
    ASSERT_EQ(ReadPcx(PcxFile(layout, c.raw), image), TDecodeStatus::Ok) << c.name;
    EXPECT_EQ(Indices(image), c.indices) << c.name;
    const qsizetype from = c.bits == 8 ? 1 : 0;  // the grey levels are checked from 1
    EXPECT_EQ(image.colorTable().mid(from, c.tableStart.size()), c.tableStart) << c.name;
  }
}

TEST(Pcx, TrueColourFromFourPlanesIgnoresTheFourthAndPadding) {
  // Two pixels, three bytes per plane line: red, green, blue and a fourth plane.
  TPcxLayout layout{5, 8, 4, 2, 1, 3, {}, {}};
  QImage image;
  ASSERT_EQ(ReadPcx(PcxFile(layout, {10, 20, 99, 30, 40, 99, 50, 60, 99, 1, 2, 99}), image),
            TDecodeStatus::Ok);
  EXPECT_EQ(image.pixel(0, 0), qRgb(10, 30, 50));
  EXPECT_EQ(image.pixel(1, 0), qRgb(20, 40, 60));
}

TEST(Pcx, RunsMayCrossLinesAndAreCutAtTheEnd) {
  TPcxLayout layout{5, 8, 1, 3, 3, 4, {}, {}};  // a byte of padding per line
  QImage image;
  // Six bytes of 5 (the first line and part of the second), then 63 bytes of 9.
  ASSERT_EQ(ReadPcx(test::PcxHeader(layout) + "\xC6\x05\xFF\x09", image), TDecodeStatus::Ok);
  EXPECT_EQ(Indices(image), (std::vector<int>{5, 5, 5, 5, 5, 9, 9, 9, 9}));

  QByteArray plain = test::PcxHeader(layout) + QByteArray(12, '\xC1');  // not run-length encoded
  plain[2] = 0;
  ASSERT_EQ(ReadPcx(plain, image), TDecodeStatus::Ok);
  EXPECT_EQ(image.pixelIndex(2, 2), 0xC1);
}

TEST(Pcx, EndingEarlyKeepsTheDecodedRows) {
  const QByteArray full = PcxFile(TPcxLayout{5, 8, 1, 2, 3, 0, {}, {}}, {1, 1, 2, 2, 3, 3});
  for (qsizetype cut = 128; cut < full.size(); ++cut) {
    QImage image;
    ASSERT_EQ(ReadPcx(full.left(cut), image), TDecodeStatus::Truncated) << cut;
    EXPECT_EQ(image.size(), QSize(2, 3));
    if (cut == full.size() - 2) {
      EXPECT_EQ(Indices(image), (std::vector<int>{1, 1, 2, 2, 0, 0}));
    }
  }
}

TEST(Pcx, BrokenAndHostileHeadersAreRefused) {
  const struct {
    const char* name;
    std::vector<std::pair<int, char>> changes;  // header bytes to set
    TDecodeStatus status;
  } cases[] = {
      {"manufacturer", {{0, 0x0B}}, TDecodeStatus::Corrupt},
      {"encoding", {{2, 2}}, TDecodeStatus::Corrupt},
      {"x max below x min", {{4, 9}}, TDecodeStatus::Corrupt},
      {"line too short", {{66, 3}}, TDecodeStatus::Corrupt},
      {"no bytes per line", {{66, 0}}, TDecodeStatus::Corrupt},
      {"8 bits, 2 planes", {{65, 2}}, TDecodeStatus::Unsupported},
      {"3 bits", {{3, 3}}, TDecodeStatus::Unsupported},
      {"2 bits, 3 planes", {{3, 2}, {65, 3}}, TDecodeStatus::Unsupported},
      {"65535 x 65536",
       {{8, '\xFE'}, {9, '\xFF'}, {10, '\xFF'}, {11, '\xFF'}, {66, '\xFF'}, {67, '\xFF'}},
       TDecodeStatus::TooLarge},
      {"3856 padded lines of 65535 bytes",
       {{10, 0x0F}, {11, 0x0F}, {66, '\xFF'}, {67, '\xFF'}},
       TDecodeStatus::TooLarge},
  };
  for (const auto& c : cases) {
    QByteArray file = PcxFile(TPcxLayout{}, std::vector<std::uint8_t>(8, 1));
    for (const auto& [at, value] : c.changes) file[at] = value;
    QImage image(1, 1, QImage::Format_RGB32);
    EXPECT_EQ(ReadPcx(file, image), c.status) << c.name;
    EXPECT_TRUE(image.isNull()) << c.name;
  }
  QImage image;
  EXPECT_EQ(ReadPcx(test::PcxHeader(TPcxLayout{}).left(127), image), TDecodeStatus::Corrupt);
}

}  // namespace
}  // namespace halvena
