// Device-independent bitmaps as a Windows bitmap resource holds them: a 40-byte information
// header, the colour table and the bottom-up rows, without a file header. Plain functions.
#pragma once

#include <QByteArray>
#include <QRgb>
#include <QVector>
#include <cstdint>
#include <vector>

namespace halvena::assets {

// A bitmap of 1, 4 or 8 bits per pixel. `indices` holds width x height colour indices, top row
// first; `colors` is the colour table (its size goes into the colours-used field).
QByteArray PalettedDib(int width, int height, int bitsPerPixel, const QVector<QRgb>& colors,
                       const std::vector<std::uint8_t>& indices);

}  // namespace halvena::assets
