// Picture files made by the tests: PCX and GIF writers of our own (Qt writes neither) and the
// other formats through Qt's writers.
#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <vector>

namespace halvena::test {

struct TPcxSpec {
  int Version = 5;
  int Encoding = 1;
  int Bits = 8;
  int Planes = 1;
  int Width = 4;
  int Height = 2;
  int BytesPerLine = 0;           // 0: the smallest even count that holds a line
  QVector<QRgb> HeaderPalette;    // up to 16 colours
  QVector<QRgb> TrailingPalette;  // 256 colours behind the 0x0C marker, when set
};

// The 128-byte header of `spec`.
QByteArray PcxHeader(const TPcxSpec& spec);
int PcxBytesPerLine(const TPcxSpec& spec);

// Run-length encodes `raw` the way PCX writers do: runs of up to 63, single bytes below 0xC0
// as themselves.
QByteArray PcxRle(const std::vector<std::uint8_t>& raw);

// A whole file: header, `raw` encoded (or as it is for encoding 0), trailing palette.
QByteArray PcxFile(const TPcxSpec& spec, const std::vector<std::uint8_t>& raw);

// A GIF file of an 8-bit indexed image (at most 256 colours).
QByteArray GifFile(const QImage& indexed);

// `image` encoded by Qt's writer of `format` ("bmp", "jpeg", "png", "tiff").
QByteArray QtFile(const QImage& image, const char* format);

}  // namespace halvena::test
