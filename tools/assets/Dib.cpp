#include "assets/Dib.h"

namespace halvena::assets {
namespace {

void PutLe(QByteArray& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

QByteArray PalettedDib(int width, int height, int bitsPerPixel, const QVector<QRgb>& colors,
                       const std::vector<std::uint8_t>& indices) {
  QByteArray out;
  const int stride = ((width * bitsPerPixel + 31) / 32) * 4;
  PutLe(out, 40, 4);                                           // header size
  PutLe(out, static_cast<std::uint32_t>(width), 4);            // width
  PutLe(out, static_cast<std::uint32_t>(height), 4);           // height: bottom-up
  PutLe(out, 1, 2);                                            // planes
  PutLe(out, static_cast<std::uint32_t>(bitsPerPixel), 2);     // bits per pixel
  PutLe(out, 0, 4);                                            // no compression
  PutLe(out, static_cast<std::uint32_t>(stride * height), 4);  // image size
  PutLe(out, 2835, 4);                                         // 72 dots per inch
  PutLe(out, 2835, 4);                                         //
  PutLe(out, static_cast<std::uint32_t>(colors.size()), 4);    // colours used
  PutLe(out, 0, 4);                                            // colours important
  for (const QRgb c : colors) {
    out.append(static_cast<char>(qBlue(c)));
    out.append(static_cast<char>(qGreen(c)));
    out.append(static_cast<char>(qRed(c)));
    out.append('\0');
  }
  const int perByte = 8 / bitsPerPixel;
  for (int y = height - 1; y >= 0; --y) {
    QByteArray row(stride, '\0');
    for (int x = 0; x < width; ++x) {
      const std::uint8_t index = indices[static_cast<std::size_t>(y * width + x)];
      const int shift = 8 - bitsPerPixel * (x % perByte + 1);
      row[x / perByte] =
          static_cast<char>(static_cast<std::uint8_t>(row[x / perByte]) | (index << shift));
    }
    out.append(row);
  }
  return out;
}

}  // namespace halvena::assets
