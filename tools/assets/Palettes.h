// The two palette bitmaps "PAL16" and "PAL256" that the program builds its logical palettes
// from on displays of 256 colours or fewer. Plain functions.
#pragma once

#include <QByteArray>
#include <QRgb>
#include <QVector>

namespace halvena::assets {

QVector<QRgb> Palette16Colors();
QVector<QRgb> Palette256Colors();

// 10 x 10 bitmaps of 4 and 8 bits per pixel whose colour tables are the palettes above; the
// pixels run through the palette so that the bitmap also shows it.
QByteArray Palette16Bitmap();
QByteArray Palette256Bitmap();

}  // namespace halvena::assets
