#include "imaging/Decoders.h"

#include <QBuffer>
#include <QImageReader>
#include <cstdlib>

#include "imaging/Pcx.h"

namespace halvena {
namespace {

const char* QtFormat(TImageFormat format) {
  switch (format) {
    case TImageFormat::Bmp:
      return "bmp";
    case TImageFormat::Gif:
      return "gif";
    case TImageFormat::Jpeg:
      return "jpeg";
    case TImageFormat::Png:
      return "png";
    case TImageFormat::Tif:
      return "tiff";
    case TImageFormat::Pcx:
    case TImageFormat::None:
      break;
  }
  return nullptr;
}

std::uint32_t Le(const QByteArray& b, qsizetype at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<std::uint8_t>(b[at + i]);
  return v;
}

// True when an uncompressed BMP file ends before its last row. Qt's reader decodes such a file
// without complaint, leaving the missing rows empty.
bool BmpRowsMissing(const QByteArray& data) {
  constexpr qsizetype kFileHeader = 14;
  if (data.size() < kFileHeader + 16) return false;
  const std::uint32_t headerSize = Le(data, kFileHeader, 4);
  std::int64_t width;
  std::int64_t height;
  std::int64_t bits;
  if (headerSize == 12) {
    width = Le(data, 18, 2);
    height = Le(data, 20, 2);
    bits = Le(data, 24, 2);
  } else if (headerSize >= 40 && data.size() >= kFileHeader + 20) {
    const std::uint32_t compression = Le(data, 30, 4);
    if (compression != 0 && compression != 3) return false;  // run lengths: size unknown
    width = static_cast<std::int32_t>(Le(data, 18, 4));
    height = static_cast<std::int32_t>(Le(data, 22, 4));
    bits = Le(data, 28, 2);
  } else {
    return false;
  }
  if (width <= 0 || bits <= 0) return false;  // Qt's reader judges such a header by itself
  // Compared by division: rows times stride may not fit in 64 bits for a hostile header.
  const std::int64_t stride = (width * bits + 31) / 32 * 4;
  const std::int64_t offset = Le(data, 10, 4);
  if (offset > data.size()) return true;
  return std::abs(height) > (data.size() - offset) / stride;
}

// True when a GIF file ends before the data of its first picture does. Qt's reader shows such a
// picture as far as it goes without complaint. Walks the blocks: extensions and the picture
// are runs of sub-blocks that end with an empty one.
bool GifPictureCut(const QByteArray& data) {
  constexpr qsizetype kScreenDescriptorEnd = 13;
  if (data.size() < kScreenDescriptorEnd) return true;
  const auto tableSize = [&data](qsizetype flagsAt) {
    const std::uint8_t flags = static_cast<std::uint8_t>(data[flagsAt]);
    return (flags & 0x80) != 0 ? qsizetype{3} << ((flags & 7) + 1) : 0;
  };
  qsizetype at = kScreenDescriptorEnd + tableSize(10);
  const auto skipSubBlocks = [&data, &at] {
    while (at < data.size()) {
      const std::uint8_t size = static_cast<std::uint8_t>(data[at++]);
      if (size == 0) return true;
      at += size;
    }
    return false;
  };
  while (at < data.size()) {
    const std::uint8_t kind = static_cast<std::uint8_t>(data[at]);
    if (kind == 0x21) {  // extension: label, then sub-blocks
      at += 2;
      if (!skipSubBlocks()) return true;
    } else if (kind == 0x2C) {  // picture: descriptor, local table, code size, sub-blocks
      if (at + 10 > data.size()) return true;
      at += 10 + tableSize(at + 9) + 1;
      return !skipSubBlocks();
    } else {
      return false;  // the trailer, or something Qt's reader judges by itself
    }
  }
  return true;
}

// Qt's reader for the chosen format only: a file whose extension promises one format and whose
// content is another fails, as the choice by extension means.
TDecodeStatus ReadWithQt(const char* format, const QByteArray& data, QImage& image) {
  QImageReader::setAllocationLimit(static_cast<int>(kMaxDecodedBytes / (1024 * 1024)));
  QBuffer buffer;
  buffer.setData(data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, format);
  reader.setAutoDetectImageFormat(false);
  reader.setDecideFormatFromContent(false);
  if (!reader.canRead()) return TDecodeStatus::Corrupt;
  const QSize size = reader.size();
  if (size.isValid() && !WithinDecodeLimit(size.width(), size.height())) {
    return TDecodeStatus::TooLarge;
  }
  if (!reader.read(&image)) {
    image = QImage();
    return reader.error() == QImageReader::UnsupportedFormatError ? TDecodeStatus::Unsupported
                                                                  : TDecodeStatus::Corrupt;
  }
  if ((qstrcmp(format, "bmp") == 0 && BmpRowsMissing(data)) ||
      (qstrcmp(format, "gif") == 0 && GifPictureCut(data))) {
    return TDecodeStatus::Truncated;
  }
  return TDecodeStatus::Ok;
}

}  // namespace

const char* DecodeStatusText(TDecodeStatus status) {
  switch (status) {
    case TDecodeStatus::Ok:
      return "";
    case TDecodeStatus::Truncated:
      return "Unexpected end of image data";
    case TDecodeStatus::Corrupt:
      return "Corrupt image data";
    case TDecodeStatus::Unsupported:
      return "Unsupported image type";
    case TDecodeStatus::TooLarge:
      return "Image too large";
  }
  return "";
}

bool WithinDecodeLimit(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= kMaxDecodedBytes / 4 &&
         height <= kMaxDecodedBytes / 4 / width;
}

TDecodeStatus DecodeImage(TImageFormat format, const QByteArray& data, QImage& image) {
  image = QImage();
  if (format == TImageFormat::Pcx) return ReadPcx(data, image);
  const char* qtFormat = QtFormat(format);
  if (qtFormat == nullptr) return TDecodeStatus::Unsupported;
  return ReadWithQt(qtFormat, data, image);
}

}  // namespace halvena
