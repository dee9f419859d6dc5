#include "imaging/ImageFormat.h"

#include <gtest/gtest.h>

namespace halvena {
namespace {

TEST(ImageFormat, UpperCasedExtensionChoosesTheDecoder) {
  const struct {
    const char* name;
    TImageFormat format;
  } cases[] = {
      {"/x/a.bmp", TImageFormat::Bmp},      {"/x/a.Gif", TImageFormat::Gif},
      {"/x/a.JPG", TImageFormat::Jpeg},     {"/x/a.pcx", TImageFormat::Pcx},
      {"/x/a.png", TImageFormat::Png},      {"/x/a.tif", TImageFormat::Tif},
      {"/x/a.jpeg", TImageFormat::None},    {"/x/a.tiff", TImageFormat::None},
      {"/x.png/bk6x4", TImageFormat::None}, {"/x/a.bmp.txt", TImageFormat::None},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatFromFileName(QString::fromLatin1(c.name)), c.format) << c.name;
  }
}

TEST(ImageFormat, ProbeNamesEachSignatureAndRejectsLookAlikes) {
  QByteArray pcx(128, '\0');
  pcx[0] = 0x0A, pcx[1] = 5, pcx[2] = 1, pcx[3] = 8;
  QByteArray pcxVersion1 = pcx, pcxThreeBits = pcx;
  pcxVersion1[1] = 1;
  pcxThreeBits[3] = 3;
  const QByteArray bmp = QByteArray("BM") + QByteArray(12, '\0') + QByteArray("\x28\0\0\0", 4);
  const struct {
    QByteArray content;
    const char* name;  // empty: no format
  } cases[] = {
      {bmp, "BMP"},
      {QByteArray("\xFF\xD8\xFF\xE0", 4), "JPEG"},
      {"GIF87a", "GIF"},
      {"GIF89a", "GIF"},
      {QByteArray("\x89PNG\r\n\x1A\n", 8), "PNG"},
      {QByteArray("II*\0", 4), "TIF"},
      {QByteArray("MM\0*", 4), "TIF"},
      {pcx, "PCX"},
      {QByteArray(), ""},
      {"BMP files are bitmaps", ""},
      {"GIF90a", ""},
      {QByteArray("\xFF\xD8", 2), ""},
      {pcx.left(127), ""},
      {pcxVersion1, ""},
      {pcxThreeBits, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatName(ProbeImageFormat(c.content)), QString::fromLatin1(c.name))
        << c.content.toHex().constData();
  }
}

}  // namespace
}  // namespace halvena
