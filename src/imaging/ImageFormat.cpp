#include "imaging/ImageFormat.h"

#include <QFileInfo>
#include <array>
#include <cstdint>

namespace halvena {
namespace {

std::uint8_t Byte(const QByteArray& b, qsizetype at) {
  return static_cast<std::uint8_t>(b[at]);
}

std::uint32_t Le32(const QByteArray& b, qsizetype at) {
  return Byte(b, at) | Byte(b, at + 1) << 8 | Byte(b, at + 2) << 16 |
         static_cast<std::uint32_t>(Byte(b, at + 3)) << 24;
}

// "BM", then the size of the information header behind the 14-byte file header must be one of
// the kinds that exist, so that text files starting with "BM" are not taken for bitmaps.
bool IsBmp(const QByteArray& c) {
  if (c.size() < 18 || !c.startsWith("BM")) return false;
  constexpr std::array<std::uint32_t, 7> kHeaderSizes = {12, 40, 52, 56, 64, 108, 124};
  const std::uint32_t headerSize = Le32(c, 14);
  for (const std::uint32_t size : kHeaderSizes) {
    if (headerSize == size) return true;
  }
  return false;
}

// A PCX file has no magic number: the manufacturer byte 10, a known version, an encoding of 0
// or 1 and a possible number of bits per pixel plane, followed by the rest of the 128-byte
// header.
bool IsPcx(const QByteArray& c) {
  if (c.size() < 128 || Byte(c, 0) != 0x0A) return false;
  const std::uint8_t version = Byte(c, 1);
  const std::uint8_t bits = Byte(c, 3);
  return (version == 0 || (version >= 2 && version <= 5)) && Byte(c, 2) <= 1 &&
         (bits == 1 || bits == 2 || bits == 4 || bits == 8);
}

}  // namespace

QString FormatName(TImageFormat format) {
  switch (format) {
    case TImageFormat::Bmp:
      return QStringLiteral("BMP");
    case TImageFormat::Gif:
      return QStringLiteral("GIF");
    case TImageFormat::Jpeg:
      return QStringLiteral("JPEG");
    case TImageFormat::Pcx:
      return QStringLiteral("PCX");
    case TImageFormat::Png:
      return QStringLiteral("PNG");
    case TImageFormat::Tif:
      return QStringLiteral("TIF");
    case TImageFormat::None:
      break;
  }
  return {};
}

QString FormatShortName(TImageFormat format) {
  return format == TImageFormat::Jpeg ? QStringLiteral("jpg") : FormatName(format).toLower();
}

TImageFormat FormatFromFileName(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix().toUpper();
  for (const TImageFormat format : {TImageFormat::Bmp, TImageFormat::Gif, TImageFormat::Jpeg,
                                    TImageFormat::Pcx, TImageFormat::Png, TImageFormat::Tif}) {
    if (suffix == FormatShortName(format).toUpper()) return format;
  }
  return TImageFormat::None;
}

TImageFormat ProbeImageFormat(const QByteArray& content) {
  if (IsBmp(content)) return TImageFormat::Bmp;
  if (content.startsWith("\xFF\xD8\xFF")) return TImageFormat::Jpeg;
  if (content.startsWith("GIF87a") || content.startsWith("GIF89a")) return TImageFormat::Gif;
  if (content.startsWith("\x89PNG\r\n\x1A\n")) return TImageFormat::Png;
  if (content.startsWith(QByteArray("II*\0", 4)) || content.startsWith(QByteArray("MM\0*", 4))) {
    return TImageFormat::Tif;
  }
  if (IsPcx(content)) return TImageFormat::Pcx;
  return TImageFormat::None;
}

}  // namespace halvena
