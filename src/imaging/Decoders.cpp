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

// True when the run-length stream of an RLE8 or RLE4 BMP is damaged: it ends before its
// end-of-picture code, or a run, a stretch of plain pixels or a jump goes past the picture.
// Qt's reader decodes such a stream as far as it goes without complaint.
bool BmpRunsBroken(const QByteArray& data) {
  constexpr qsizetype kFileHeader = 14;
  if (data.size() < kFileHeader + 40 || Le(data, kFileHeader, 4) < 40) return false;
  const std::uint32_t compression = Le(data, 30, 4);
  if (compression != 1 && compression != 2) return false;
  const bool four = compression == 2;
  const std::int64_t width = static_cast<std::int32_t>(Le(data, 18, 4));
  const std::int64_t height =
      std::abs(static_cast<std::int64_t>(static_cast<std::int32_t>(Le(data, 22, 4))));
  qsizetype at = Le(data, 10, 4);
  std::int64_t x = 0;
  std::int64_t y = 0;
  while (at + 2 <= data.size()) {
    const std::uint8_t count = static_cast<std::uint8_t>(data[at]);
    const std::uint8_t code = static_cast<std::uint8_t>(data[at + 1]);
    at += 2;
    if (count > 0) {  // a run of `count` pixels
      x += count;
      if (x > width) return true;
      continue;
    }
    if (code == 0) {  // end of line
      x = 0;
      if (++y > height) return true;
    } else if (code == 1) {  // end of picture
      return false;
    } else if (code == 2) {  // jump
      if (at + 2 > data.size()) return true;
      x += static_cast<std::uint8_t>(data[at]);
      y += static_cast<std::uint8_t>(data[at + 1]);
      at += 2;
      if (x > width || y >= height) return true;
    } else {  // `code` plain pixels, padded to an even number of bytes
      const qsizetype bytes = four ? (code + 1) / 2 : code;
      at += bytes + (bytes & 1);
      x += code;
      if (x > width || at > data.size()) return true;
    }
  }
  return true;
}

// True when a little- or big-endian TIFF file's first directory, or a strip or tile it names,
// lies outside the file. Qt's reader may answer such a file with an empty or partial picture.
bool TiffStripsOutside(const QByteArray& data) {
  if (data.size() < 8) return false;
  const bool little = data.startsWith("II");
  if (!little && !data.startsWith("MM")) return false;
  const auto read = [&](qsizetype at, int bytes) -> std::uint32_t {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) {
      const std::uint8_t b = static_cast<std::uint8_t>(data[at + (little ? bytes - 1 - i : i)]);
      v = v << 8 | b;
    }
    return v;
  };
  const std::int64_t directory = read(4, 4);
  if (directory + 2 > data.size()) return true;
  const std::int64_t entries = read(directory, 2);
  if (directory + 2 + 12 * entries > data.size()) return true;
  std::int64_t offsetsCount = 0;
  std::int64_t offsetsAt = -1;
  std::int64_t countsAt = -1;
  int offsetsType = 0;
  int countsType = 0;
  for (std::int64_t i = 0; i < entries; ++i) {
    const qsizetype entry = directory + 2 + 12 * i;
    const std::uint32_t tag = read(entry, 2);
    const int type = static_cast<int>(read(entry + 2, 2));
    const std::int64_t count = read(entry + 4, 4);
    if (type != 3 && type != 4) continue;
    const int size = type == 3 ? 2 : 4;
    // A value of up to four bytes is held in the entry itself.
    const std::int64_t valueAt = count * size <= 4 ? entry + 8 : read(entry + 8, 4);
    if (valueAt + count * size > data.size()) return true;
    if (tag == 273 || tag == 324) {
      offsetsCount = count;
      offsetsAt = valueAt;
      offsetsType = size;
    } else if (tag == 279 || tag == 325) {
      countsAt = valueAt;
      countsType = size;
    }
  }
  if (offsetsAt < 0 || countsAt < 0) return false;
  for (std::int64_t i = 0; i < offsetsCount; ++i) {
    const std::int64_t offset = read(offsetsAt + i * offsetsType, offsetsType);
    const std::int64_t size = read(countsAt + i * countsType, countsType);
    if (offset + size > data.size()) return true;
  }
  return false;
}

// Counts the warnings Qt's readers give while they read a picture: the JPEG reader tells of
// data that ends early or contradicts itself only so, and still answers with a picture. The
// warnings go on to the handler that was in place. One reader at a time (see the header).
class TReaderWarnings {
 public:
  TReaderWarnings() {
    FCount = 0;
    FPrevious = qInstallMessageHandler(&Handle);
  }
  ~TReaderWarnings() { qInstallMessageHandler(FPrevious); }
  TReaderWarnings(const TReaderWarnings&) = delete;
  TReaderWarnings& operator=(const TReaderWarnings&) = delete;
  int Count() const { return FCount; }

 private:
  static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg || type == QtCriticalMsg) ++FCount;
    if (FPrevious != nullptr) FPrevious(type, context, text);
  }
  static inline int FCount = 0;
  static inline QtMessageHandler FPrevious = nullptr;
};

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
  const TReaderWarnings warnings;
  if (!reader.read(&image)) {
    image = QImage();
    return reader.error() == QImageReader::UnsupportedFormatError ? TDecodeStatus::Unsupported
                                                                  : TDecodeStatus::Corrupt;
  }
  const bool bmp = qstrcmp(format, "bmp") == 0;
  if ((bmp && BmpRowsMissing(data)) || (qstrcmp(format, "gif") == 0 && GifPictureCut(data))) {
    return TDecodeStatus::Truncated;
  }
  if ((bmp && BmpRunsBroken(data)) || (qstrcmp(format, "tiff") == 0 && TiffStripsOutside(data)) ||
      warnings.Count() > 0) {
    return TDecodeStatus::Corrupt;
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
