#include "Pcx.h"

#include <gtest/gtest.h>

#include "TestFiles.h"

namespace halvena {
namespace {

using test::PcxFile;
using test::TPcxSpec;

QVector<QRgb> Ramp(int count, int step) {
  QVector<QRgb> colors;
  for (int i = 0; i < count; ++i)
    colors.append(qRgb(i * step % 256, 255 - i * step % 256, 7 * i % 256));
  return colors;
}

// Pixel indices of an indexed image, row by row.
std::vector<int> Indices(const QImage& image) {
  std::vector<int> out;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) out.push_back(image.pixelIndex(x, y));
  }
  return out;
}

TEST(Pcx, EightBitsTakeTheTrailingPaletteOrGreys) {
  TPcxSpec spec;  // 4 x 2, bytes per line 4
  spec.TrailingPalette = Ramp(256, 3);
  const std::vector<std::uint8_t> raw = {0, 1, 2, 200, 255, 255, 255, 7};
  QImage image;
  ASSERT_EQ(ReadPcx(PcxFile(spec, raw), image), TDecodeStatus::Ok);
  ASSERT_EQ(image.format(), QImage::Format_Indexed8);
  EXPECT_EQ(image.colorTable(), spec.TrailingPalette);
  EXPECT_EQ(Indices(image), (std::vector<int>{0, 1, 2, 200, 255, 255, 255, 7}));

  spec.TrailingPalette.clear();
  ASSERT_EQ(ReadPcx(PcxFile(spec, raw), image), TDecodeStatus::Ok);
  EXPECT_EQ(image.color(200), qRgb(200, 200, 200));
}

TEST(Pcx, PaletteKindsCombinePlanesIntoIndices) {
  const QVector<QRgb> header = Ramp(16, 16);
  const struct {
    const char* name;
    int bits;
    int planes;
    int version;
    std::vector<std::uint8_t> raw;  // one line of 4 pixels per plane, padded to 2 bytes
    std::vector<int> indices;
    QVector<QRgb> table;
  } cases[] = {
      {"mono", 1, 1, 5, {0b10100000, 0}, {1, 0, 1, 0}, {qRgb(0, 0, 0), qRgb(255, 255, 255)}},
      {"2 bits", 2, 1, 5, {0b00011011, 0}, {0, 1, 2, 3}, header.mid(0, 4)},
      {"4 bits", 4, 1, 5, {0x0F, 0x5A}, {0, 15, 5, 10}, header},
      {"3 planes",
       1,
       3,
       5,
       {0b10000000, 0, 0b01000000, 0, 0b00110000, 0},
       {1, 2, 4, 4},
       header.mid(0, 8)},
      {"4 planes", 1, 4, 5, {0xF0, 0, 0x70, 0, 0x30, 0, 0x10, 0}, {1, 3, 7, 15}, header},
      {"no palette", 4, 1, 3, {0x0F, 0x00}, {0, 15, 0, 0}, {}},
  };
  for (const auto& c : cases) {
    TPcxSpec spec;
    spec.Bits = c.bits;
    spec.Planes = c.planes;
    spec.Version = c.version;
    spec.Height = 1;
    spec.BytesPerLine = 2;
    spec.HeaderPalette = header;
    QImage image;
    ASSERT_EQ(ReadPcx(PcxFile(spec, c.raw), image), TDecodeStatus::Ok) << c.name;
    EXPECT_EQ(Indices(image), c.indices) << c.name;
    if (!c.table.isEmpty()) {
      EXPECT_EQ(image.colorTable(), c.table) << c.name;
    }
  }
}

TEST(Pcx, VersionThreeUsesTheStandardSixteenColours) {
  TPcxSpec spec;
  spec.Version = 3;
  spec.Bits = 4;
  spec.Height = 1;
  spec.HeaderPalette = Ramp(16, 16);
  QImage image;
  ASSERT_EQ(ReadPcx(PcxFile(spec, {0x0C, 0x0F}), image), TDecodeStatus::Ok);
  EXPECT_EQ(image.pixel(1, 0), qRgb(255, 85, 85));  // index 12, light red
  EXPECT_EQ(image.pixel(3, 0), qRgb(255, 255, 255));
}

TEST(Pcx, TrueColourFromThreeOrFourPlanes) {
  for (const int planes : {3, 4}) {
    TPcxSpec spec;
    spec.Planes = planes;
    spec.Width = 2;
    spec.Height = 1;
    spec.BytesPerLine = 3;  // odd, with a byte of padding per plane
    // Red, green, blue and the fourth plane, each padded.
    const std::vector<std::uint8_t> all = {10, 20, 99, 30, 40, 99, 50, 60, 99, 1, 2, 99};
    const std::vector<std::uint8_t> raw(all.begin(), all.begin() + 3 * planes);
    QImage image;
    ASSERT_EQ(ReadPcx(PcxFile(spec, raw), image), TDecodeStatus::Ok) << planes;
    EXPECT_EQ(image.pixel(0, 0), qRgb(10, 30, 50));
    EXPECT_EQ(image.pixel(1, 0), qRgb(20, 40, 60));
  }
}

TEST(Pcx, RunsMayCrossLinesAndAreCutAtTheEnd) {
  TPcxSpec spec;
  spec.Width = 3;
  spec.Height = 3;
  spec.BytesPerLine = 4;  // one byte of padding per line
  QByteArray file = test::PcxHeader(spec);
  file.append("\xC6\x05", 2);  // six bytes of 5: the first line and most of the second
  file.append("\xFF\x09", 2);  // 63 bytes of 9, far more than the picture holds
  QImage image;
  ASSERT_EQ(ReadPcx(file, image), TDecodeStatus::Ok);
  EXPECT_EQ(Indices(image), (std::vector<int>{5, 5, 5, 5, 5, 9, 9, 9, 9}));
}

TEST(Pcx, UncompressedDataIsTakenAsItIs) {
  TPcxSpec spec;
  spec.Encoding = 0;
  spec.Width = 2;
  spec.Height = 1;
  QImage image;
  ASSERT_EQ(ReadPcx(PcxFile(spec, {0xC5, 0xFF}), image), TDecodeStatus::Ok);
  EXPECT_EQ(Indices(image), (std::vector<int>{0xC5, 0xFF}));
}

TEST(Pcx, EndingEarlyKeepsTheDecodedRows) {
  TPcxSpec spec;
  spec.Width = 2;
  spec.Height = 3;
  const QByteArray full = PcxFile(spec, {1, 1, 2, 2, 3, 3});
  // Every cut from the end of the header onwards gives the rows so far and zeros.
  for (qsizetype cut = 128; cut < full.size(); ++cut) {
    QImage image;
    ASSERT_EQ(ReadPcx(full.left(cut), image), TDecodeStatus::Truncated) << cut;
    EXPECT_EQ(image.size(), QSize(2, 3));
  }
  QImage image;
  ReadPcx(full.left(full.size() - 2), image);  // the last run (3, 3) is missing
  EXPECT_EQ(Indices(image), (std::vector<int>{1, 1, 2, 2, 0, 0}));
}

TEST(Pcx, BrokenAndHostileHeadersAreRefused) {
  const auto withHeader = [](auto change) {
    TPcxSpec spec;
    QByteArray file = PcxFile(spec, std::vector<std::uint8_t>(8, 1));
    change(file);
    return file;
  };
  const struct {
    const char* name;
    QByteArray file;
    TDecodeStatus status;
  } cases[] = {
      {"empty", QByteArray(), TDecodeStatus::Corrupt},
      {"short header", withHeader([](QByteArray& f) { f.truncate(100); }), TDecodeStatus::Corrupt},
      {"manufacturer", withHeader([](QByteArray& f) { f[0] = 0x0B; }), TDecodeStatus::Corrupt},
      {"encoding", withHeader([](QByteArray& f) { f[2] = 2; }), TDecodeStatus::Corrupt},
      {"x max below x min", withHeader([](QByteArray& f) { f[4] = 9; }), TDecodeStatus::Corrupt},
      {"line too short", withHeader([](QByteArray& f) { f[66] = 3; }), TDecodeStatus::Corrupt},
      {"no bytes per line", withHeader([](QByteArray& f) { f[66] = 0; }), TDecodeStatus::Corrupt},
      {"8 bits, 2 planes", withHeader([](QByteArray& f) { f[65] = 2; }),
       TDecodeStatus::Unsupported},
      {"3 bits", withHeader([](QByteArray& f) { f[3] = 3; }), TDecodeStatus::Unsupported},
      {"2 bits, 3 planes", withHeader([](QByteArray& f) { f[3] = 2, f[65] = 3; }),
       TDecodeStatus::Unsupported},
      {"65535 x 65536", withHeader([](QByteArray& f) {
         f[8] = '\xFE', f[9] = f[10] = f[11] = '\xFF';  // 65535 x 65536
         f[66] = f[67] = '\xFF';
       }),
       TDecodeStatus::TooLarge},
      {"long padded lines", withHeader([](QByteArray& f) {
         f[10] = f[11] = '\x0F';  // 3856 rows of 65535 bytes: small picture, huge buffer
         f[66] = f[67] = '\xFF';
       }),
       TDecodeStatus::TooLarge},
  };
  for (const auto& c : cases) {
    QImage image(1, 1, QImage::Format_RGB32);
    EXPECT_EQ(ReadPcx(c.file, image), c.status) << c.name;
    EXPECT_TRUE(image.isNull()) << c.name;
  }
}

}  // namespace
}  // namespace halvena
