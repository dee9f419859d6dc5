#include "TestFiles.h"

#include <QBuffer>
#include <QImageWriter>

namespace halvena::test {
namespace {

void PutLe16(QByteArray& b, int at, int v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

}  // namespace

QByteArray PcxHeader(const TPcxLayout& layout) {
  QByteArray h(128, '\0');
  h[0] = 0x0A;
  h[1] = static_cast<char>(layout.Version);
  h[2] = 1;
  h[3] = static_cast<char>(layout.Bits);
  PutLe16(h, 8, layout.Width - 1);
  PutLe16(h, 10, layout.Height - 1);
  for (int i = 0; i < layout.HeaderPalette.size(); ++i) {
    h[16 + 3 * i] = static_cast<char>(qRed(layout.HeaderPalette[i]));
    h[17 + 3 * i] = static_cast<char>(qGreen(layout.HeaderPalette[i]));
    h[18 + 3 * i] = static_cast<char>(qBlue(layout.HeaderPalette[i]));
  }
  h[65] = static_cast<char>(layout.Planes);
  const int bytes = (layout.Width * layout.Bits + 7) / 8;
  PutLe16(h, 66, layout.BytesPerLine != 0 ? layout.BytesPerLine : bytes + bytes % 2);
  return h;
}

QByteArray PcxFile(const TPcxLayout& layout, const std::vector<std::uint8_t>& raw) {
  QByteArray file = PcxHeader(layout);
  for (std::size_t i = 0; i < raw.size();) {
    std::size_t run = 1;
    while (i + run < raw.size() && run < 63 && raw[i + run] == raw[i]) ++run;
    if (run > 1 || raw[i] >= 0xC0) file.append(static_cast<char>(0xC0 | run));
    file.append(static_cast<char>(raw[i]));
    i += run;
  }
  if (!layout.TrailingPalette.isEmpty()) {
    file.append('\x0C');
    for (const QRgb c : layout.TrailingPalette) {
      file.append(static_cast<char>(qRed(c)));
      file.append(static_cast<char>(qGreen(c)));
      file.append(static_cast<char>(qBlue(c)));
    }
  }
  return file;
}

QByteArray QtFile(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  return QImageWriter(&buffer, format).write(image) ? bytes : QByteArray();
}

}  // namespace halvena::test
