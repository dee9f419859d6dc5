// Our reader of ZSoft PCX pictures: every version, 1, 2, 4 or 8 bits per plane, with 1, 3 or 4
// planes where the combination means something, run-length encoded or plain. Plain functions.
#pragma once

#include <QByteArray>
#include <QImage>

#include "imaging/Decoders.h"

namespace halvena {

// Decodes a PCX file into `image` (replaced): an 8-bit indexed image for the paletted kinds
// (2, 4, 8, 16 or 256 colours), 32-bit for 24-bit colour (also from four planes, the fourth
// ignored). When the data ends early the image is kept with the rows not decoded left at colour
// index 0 (black for 24 and 32 bits) and Truncated is answered.
TDecodeStatus ReadPcx(const QByteArray& data, QImage& image);

}  // namespace halvena
