#include "ImageFormat.h"

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
      {"/x/bk6x4", TImageFormat::None},     {"/x.png/bk6x4", TImageFormat::None},
      {"/x/a.bmp.txt", TImageFormat::None}, {"", TImageFormat::None},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatFromFileName(QString::fromLatin1(c.name)), c.format) << c.name;
  }
}

TEST(ImageFormat, ProbeRecognisesEachSignature) {
  QByteArray pcx(128, '\0');
  pcx[0] = 0x0A, pcx[1] = 5, pcx[2] = 1, pcx[3] = 8;
  QByteArray bmp("BM", 2);
  bmp.append(QByteArray(12, '\0'));
  bmp.append(QByteArray("\x28\0\0\0", 4));
  const struct {
    QByteArray content;
    TImageFormat format;
    const char* name;
  } cases[] = {
      {bmp, TImageFormat::Bmp, "BMP"},
      {QByteArray("\xFF\xD8\xFF\xE0", 4), TImageFormat::Jpeg, "JPEG"},
      {QByteArray("GIF87a..."), TImageFormat::Gif, "GIF"},
      {QByteArray("GIF89a"), TImageFormat::Gif, "GIF"},
      {QByteArray("\x89PNG\r\n\x1A\n", 8), TImageFormat::Png, "PNG"},
      {QByteArray("II*\0", 4), TImageFormat::Tif, "TIF"},
      {QByteArray("MM\0*", 4), TImageFormat::Tif, "TIF"},
      {pcx, TImageFormat::Pcx, "PCX"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ProbeImageFormat(c.content), c.format) << c.name;
    EXPECT_EQ(FormatName(c.format), QString::fromLatin1(c.name));
  }
}

TEST(ImageFormat, ProbeRejectsLookAlikes) {
  QByteArray pcx(128, '\0');
  pcx[0] = 0x0A, pcx[1] = 5, pcx[2] = 1, pcx[3] = 8;
  QByteArray badVersion = pcx;
  badVersion[1] = 1;
  QByteArray badBits = pcx;
  badBits[3] = 3;
  const QByteArray cases[] = {
      QByteArray(),
      QByteArray("BMP files are bitmaps"),  // "BM" and text
      QByteArray("GIF90a"),
      QByteArray("\x89PNG", 4),
      QByteArray("II+\0", 4),
      pcx.left(127),  // too short for the header
      badVersion,
      badBits,
      QByteArray("\xFF\xD8", 2),
  };
  for (const QByteArray& c : cases)
    EXPECT_EQ(ProbeImageFormat(c), TImageFormat::None) << c.toHex().constData();
}

}  // namespace
}  // namespace halvena
