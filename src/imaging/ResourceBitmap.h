// Loading the program's compiled-in palette bitmaps ("Intro256", "About", ...) into images that
// keep their palette. User-interface thread only.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace halvena {

// Decodes a device-independent bitmap of 1, 4 or 8 bits per pixel as a resource holds it (a
// 12-byte core header with 3-byte colours, or an information header of 40 bytes or more with
// 4-byte colours; no file header; uncompressed) into an 8-bit indexed image whose colour
// table is the bitmap's palette. The palette has the header's used-colours count, or 2 to the
// bit count when that is 0 (always the latter for a core header); when it is shorter than the
// pixel values can reach, the table goes on in black. A null image when the data is not such a
// bitmap or is cut short.
QImage DecodePalettedDib(const QByteArray& dib);

// Loads the bitmap resource `name` (letter case ignored) into `target`; false, leaving
// `target` alone, when there is no such resource or it cannot be decoded.
bool LoadBitmapResource(const QString& name, QImage& target);

}  // namespace halvena
