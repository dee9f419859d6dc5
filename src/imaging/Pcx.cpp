#include "imaging/Pcx.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace halvena {
namespace {

constexpr qsizetype kHeaderSize = 128;
constexpr qsizetype kPaletteOffset = 16;         // the 16-colour palette inside the header
constexpr qsizetype kTrailingPaletteSize = 769;  // the marker 0x0C and 256 colours
constexpr std::uint8_t kTrailingPaletteMarker = 0x0C;
constexpr int kVersionWithoutPalette = 3;

// The colours of a 16-colour display, for files that carry no palette.
const QVector<QRgb>& DefaultPalette() {
  static const QVector<QRgb> colors = {
      qRgb(0, 0, 0),     qRgb(0, 0, 170),    qRgb(0, 170, 0),    qRgb(0, 170, 170),
      qRgb(170, 0, 0),   qRgb(170, 0, 170),  qRgb(170, 85, 0),   qRgb(170, 170, 170),
      qRgb(85, 85, 85),  qRgb(85, 85, 255),  qRgb(85, 255, 85),  qRgb(85, 255, 255),
      qRgb(255, 85, 85), qRgb(255, 85, 255), qRgb(255, 255, 85), qRgb(255, 255, 255)};
  return colors;
}

struct THeader {
  int Version = 0;
  bool Encoded = false;
  int Bits = 0;  // per pixel and plane
  int Planes = 0;
  qsizetype BytesPerLine = 0;  // per plane, padding included
  std::int64_t Width = 0;
  std::int64_t Height = 0;
};

std::uint8_t Byte(const QByteArray& b, qsizetype at) {
  return static_cast<std::uint8_t>(b[at]);
}

int Le16(const QByteArray& b, qsizetype at) {
  return Byte(b, at) | Byte(b, at + 1) << 8;
}

QVector<QRgb> Colors(const QByteArray& data, qsizetype at, int count) {
  QVector<QRgb> colors;
  for (int i = 0; i < count; ++i, at += 3) {
    colors.append(qRgb(Byte(data, at), Byte(data, at + 1), Byte(data, at + 2)));
  }
  return colors;
}

// Where the 256-colour palette of an 8-bit picture starts (its marker), or -1 when the file
// has none.
qsizetype TrailingPaletteAt(const QByteArray& data, const THeader& h) {
  const qsizetype at = data.size() - kTrailingPaletteSize;
  if (h.Bits != 8 || h.Planes != 1 || at < kHeaderSize) return -1;
  return Byte(data, at) == kTrailingPaletteMarker ? at : -1;
}

// The colour table of a paletted picture: black and white for one bit in one plane, the 256
// colours behind the marker (or grey levels without them) for eight bits, else the first
// entries of the header's palette.
QVector<QRgb> ColorTable(const QByteArray& data, const THeader& h, qsizetype trailingPaletteAt) {
  if (h.Planes == 1 && h.Bits == 1) return {qRgb(0, 0, 0), qRgb(255, 255, 255)};
  if (h.Bits == 8) {
    if (trailingPaletteAt >= 0) return Colors(data, trailingPaletteAt + 1, 256);
    QVector<QRgb> grey;
    for (int i = 0; i < 256; ++i) grey.append(qRgb(i, i, i));
    return grey;
  }
  const int count = 1 << (h.Bits * h.Planes);
  if (h.Version == kVersionWithoutPalette) return DefaultPalette().mid(0, count);
  return Colors(data, kPaletteOffset, count);
}

bool IsTrueColor(const THeader& h) {
  return h.Bits == 8 && (h.Planes == 3 || h.Planes == 4);
}

bool IsPaletted(const THeader& h) {
  return (h.Planes == 1 && (h.Bits == 1 || h.Bits == 2 || h.Bits == 4 || h.Bits == 8)) ||
         (h.Bits == 1 && h.Planes >= 2 && h.Planes <= 4);
}

// Expands the pixel data into `buffer`, one line of every plane after the other for each row.
// Runs may go on into the next line, as some writers make them; a run that would go past the
// end of the picture is cut there. Answers false when the data ends before the buffer is full;
// `used` is where the pixel data ended.
bool Expand(const QByteArray& data, qsizetype end, bool encoded, std::vector<std::uint8_t>& buffer,
            qsizetype& used) {
  std::size_t out = 0;
  qsizetype in = kHeaderSize;
  while (out < buffer.size() && in < end) {
    const std::uint8_t b = Byte(data, in++);
    if (!encoded || (b & 0xC0) != 0xC0) {
      buffer[out++] = b;
      continue;
    }
    if (in >= end) break;
    const std::uint8_t value = Byte(data, in++);
    const std::size_t count = std::min<std::size_t>(b & 0x3F, buffer.size() - out);
    std::fill_n(buffer.begin() + static_cast<std::ptrdiff_t>(out), count, value);
    out += count;
  }
  used = in;
  return out == buffer.size();
}

void FillPaletted(const THeader& h, const std::vector<std::uint8_t>& buffer, QImage& image) {
  const std::size_t lineBytes = static_cast<std::size_t>(h.Planes * h.BytesPerLine);
  const int perByte = 8 / h.Bits;
  const int mask = (1 << h.Bits) - 1;
  for (int y = 0; y < image.height(); ++y) {
    const std::uint8_t* line = buffer.data() + static_cast<std::size_t>(y) * lineBytes;
    std::uint8_t* pixel = image.scanLine(y);
    for (int x = 0; x < image.width(); ++x) {
      const int shift = 8 - h.Bits * (x % perByte + 1);
      int index = 0;
      for (int p = 0; p < h.Planes; ++p) {
        const std::uint8_t b = line[static_cast<std::size_t>(p * h.BytesPerLine + x / perByte)];
        index |= ((b >> shift) & mask) << (p * h.Bits);
      }
      pixel[x] = static_cast<std::uint8_t>(index);
    }
  }
}

void FillTrueColor(const THeader& h, const std::vector<std::uint8_t>& buffer, QImage& image) {
  const std::size_t lineBytes = static_cast<std::size_t>(h.Planes * h.BytesPerLine);
  const std::size_t plane = static_cast<std::size_t>(h.BytesPerLine);
  for (int y = 0; y < image.height(); ++y) {
    const std::uint8_t* line = buffer.data() + static_cast<std::size_t>(y) * lineBytes;
    auto* pixel = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (std::size_t x = 0; x < static_cast<std::size_t>(image.width()); ++x) {
      pixel[x] = qRgb(line[x], line[plane + x], line[2 * plane + x]);
    }
  }
}

}  // namespace

TDecodeStatus ReadPcx(const QByteArray& data, QImage& image) {
  image = QImage();
  if (data.size() < kHeaderSize || Byte(data, 0) != 0x0A || Byte(data, 2) > 1) {
    return TDecodeStatus::Corrupt;
  }
  THeader h;
  h.Version = Byte(data, 1);
  h.Encoded = Byte(data, 2) == 1;
  h.Bits = Byte(data, 3);
  h.Planes = Byte(data, 65);
  h.BytesPerLine = Le16(data, 66);
  const int xMin = Le16(data, 4);
  const int yMin = Le16(data, 6);
  const int xMax = Le16(data, 8);
  const int yMax = Le16(data, 10);
  if (xMax < xMin || yMax < yMin) return TDecodeStatus::Corrupt;
  h.Width = xMax - xMin + 1;
  h.Height = yMax - yMin + 1;

  const bool trueColor = IsTrueColor(h);
  if (!trueColor && !IsPaletted(h)) return TDecodeStatus::Unsupported;
  if ((h.Width * h.Bits + 7) / 8 > h.BytesPerLine) return TDecodeStatus::Corrupt;
  const std::int64_t total = std::int64_t{h.Planes} * h.BytesPerLine * h.Height;
  if (!WithinDecodeLimit(h.Width, h.Height) || total > kMaxDecodedBytes) {
    return TDecodeStatus::TooLarge;
  }

  const qsizetype paletteAt = TrailingPaletteAt(data, h);
  const qsizetype end = paletteAt >= 0 ? paletteAt : data.size();
  std::vector<std::uint8_t> buffer(static_cast<std::size_t>(total), 0);
  qsizetype used = 0;
  const bool complete = Expand(data, end, h.Encoded, buffer, used);
  // The marker of the 256 colours right after the pixels, with the colours cut off.
  const bool paletteCut = paletteAt < 0 && h.Bits == 8 && h.Planes == 1 && complete &&
                          used < data.size() && Byte(data, used) == kTrailingPaletteMarker;

  image = QImage(static_cast<int>(h.Width), static_cast<int>(h.Height),
                 trueColor ? QImage::Format_RGB32 : QImage::Format_Indexed8);
  if (image.isNull()) return TDecodeStatus::TooLarge;
  if (trueColor) {
    FillTrueColor(h, buffer, image);
  } else {
    image.setColorTable(ColorTable(data, h, paletteAt));
    FillPaletted(h, buffer, image);
  }
  return complete && !paletteCut ? TDecodeStatus::Ok : TDecodeStatus::Truncated;
}

}  // namespace halvena
