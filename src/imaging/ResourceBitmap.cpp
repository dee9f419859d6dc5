#include "imaging/ResourceBitmap.h"

#include <algorithm>
#include <cstdint>

#include "imaging/Decoders.h"
#include "platform/Resources.h"

namespace halvena {
namespace {

constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint32_t Le(const QByteArray& b, qsizetype at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<std::uint8_t>(b[at + i]);
  return v;
}

}  // namespace

QImage DecodePalettedDib(const QByteArray& dib) {
  if (dib.size() < 4) return {};
  const std::uint32_t headerSize = Le(dib, 0, 4);
  const bool core = headerSize == kCoreHeaderSize;
  if ((!core && headerSize < kInfoHeaderSize) ||
      headerSize > static_cast<std::uint32_t>(dib.size())) {
    return {};
  }
  const std::int64_t width = core ? Le(dib, 4, 2) : static_cast<std::int32_t>(Le(dib, 4, 4));
  // A core header's sizes are unsigned; only an information header stores rows top down.
  std::int64_t height =
      core ? std::int64_t{Le(dib, 6, 2)} : std::int64_t{static_cast<std::int32_t>(Le(dib, 8, 4))};
  const int bits = static_cast<int>(core ? Le(dib, 10, 2) : Le(dib, 14, 2));
  if (bits != 1 && bits != 4 && bits != 8) return {};
  if (!core && Le(dib, 16, 4) != 0) return {};  // compressed
  const std::int64_t used = core ? 0 : Le(dib, 32, 4);
  const std::int64_t colors = used != 0 ? used : std::int64_t{1} << bits;
  if (colors > 256) return {};
  // A negative height means the rows are stored top row first.
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (!WithinDecodeLimit(width, height)) return {};

  const int entrySize = core ? 3 : 4;
  const std::int64_t stride = (width * bits + 31) / 32 * 4;
  const std::int64_t pixelsAt = headerSize + colors * entrySize;
  if (pixelsAt + stride * height > dib.size()) return {};

  QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_Indexed8);
  if (image.isNull()) return {};
  QVector<QRgb> table(std::max<qsizetype>(colors, qsizetype{1} << bits), qRgb(0, 0, 0));
  for (std::int64_t i = 0; i < colors; ++i) {
    const qsizetype at = static_cast<qsizetype>(headerSize + i * entrySize);
    table[static_cast<qsizetype>(i)] =
        qRgb(static_cast<std::uint8_t>(dib[at + 2]), static_cast<std::uint8_t>(dib[at + 1]),
             static_cast<std::uint8_t>(dib[at]));
  }
  image.setColorTable(table);
  const int perByte = 8 / bits;
  const int mask = (1 << bits) - 1;
  for (int y = 0; y < image.height(); ++y) {
    const std::int64_t row = topDown ? y : height - 1 - y;
    const auto* in =
        reinterpret_cast<const std::uint8_t*>(dib.constData() + pixelsAt + row * stride);
    std::uint8_t* out = image.scanLine(y);
    for (int x = 0; x < image.width(); ++x) {
      out[x] =
          static_cast<std::uint8_t>((in[x / perByte] >> (8 - bits * (x % perByte + 1))) & mask);
    }
  }
  return image;
}

bool LoadBitmapResource(const QString& name, QImage& target) {
  const QImage image = DecodePalettedDib(BitmapResource(name));
  if (image.isNull()) return false;
  target = image;
  return true;
}

}  // namespace halvena
