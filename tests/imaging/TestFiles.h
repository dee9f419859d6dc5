// Picture files made by the tests: PCX files by a small writer of our own, the other formats
// through Qt's writers (Qt writes no GIF: the tests carry one).
#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <vector>

namespace halvena::test {

struct TPcxLayout {
  int Version = 5;
  int Bits = 8;
  int Planes = 1;
  int Width = 4;
  int Height = 2;
  int BytesPerLine = 0;           // 0: the bytes a line needs, made even
  QVector<QRgb> HeaderPalette;    // up to 16 colours
  QVector<QRgb> TrailingPalette;  // 256 colours behind the 0x0C marker, when set
};

QByteArray PcxHeader(const TPcxLayout& layout);

// A run-length encoded file of `raw` (every plane's line for each row, padding included).
QByteArray PcxFile(const TPcxLayout& layout, const std::vector<std::uint8_t>& raw);

// `image` encoded by Qt's writer of `format` ("bmp", "jpeg", "png", "tiff").
QByteArray QtFile(const QImage& image, const char* format);

}  // namespace halvena::test
