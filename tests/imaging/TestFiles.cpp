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

QByteArray PcxHeader(const TPcxSpec& spec) {
  QByteArray h(128, '\0');
  h[0] = 0x0A;
  h[1] = static_cast<char>(spec.Version);
  h[2] = 1;
  h[3] = static_cast<char>(spec.Bits);
  PutLe16(h, 8, spec.Width - 1);
  PutLe16(h, 10, spec.Height - 1);
  for (int i = 0; i < spec.HeaderPalette.size(); ++i) {
    h[16 + 3 * i] = static_cast<char>(qRed(spec.HeaderPalette[i]));
    h[17 + 3 * i] = static_cast<char>(qGreen(spec.HeaderPalette[i]));
    h[18 + 3 * i] = static_cast<char>(qBlue(spec.HeaderPalette[i]));
  }
  h[65] = static_cast<char>(spec.Planes);
  const int bytes = (spec.Width * spec.Bits + 7) / 8;
  PutLe16(h, 66, spec.BytesPerLine != 0 ? spec.BytesPerLine : bytes + bytes % 2);
  return h;
}

QByteArray PcxFile(const TPcxSpec& spec, const std::vector<std::uint8_t>& raw) {
  QByteArray file = PcxHeader(spec);
  for (std::size_t i = 0; i < raw.size();) {
    std::size_t run = 1;
    while (i + run < raw.size() && run < 63 && raw[i + run] == raw[i]) ++run;
    if (run > 1 || raw[i] >= 0xC0) file.append(static_cast<char>(0xC0 | run));
    file.append(static_cast<char>(raw[i]));
    i += run;
  }
  if (!spec.TrailingPalette.isEmpty()) {
    file.append('\x0C');
    for (const QRgb c : spec.TrailingPalette) {
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
