// Converting a picture to the colours of a palette, for displays of 16 or 256 colours: each
// pixel takes the nearest palette colour, optionally with error diffusion (dithering) so that
// areas of colours between the palette's keep their average colour. Plain functions.
#pragma once

#include <QImage>
#include <QRgb>
#include <QVector>

namespace halvena {

// `image` as an 8-bit indexed image whose colour table is `palette` (1 to 256 colours). A pixel
// of exactly a palette colour takes that colour's first index. With `dither` the rounding error
// of every pixel is spread over its right and lower neighbours (Floyd and Steinberg). Alpha is
// ignored. A null image or an empty palette gives a null image.
QImage ReduceToPalette(const QImage& image, const QVector<QRgb>& palette, bool dither);

}  // namespace halvena
