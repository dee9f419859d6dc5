// Helpers of the asset tests: how well text of one colour reads on the pixels of a picture.
#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

namespace halvena::assets::test {

// The relative luminance of a colour (sRGB), 0 for black to 1 for white.
double Luminance(QRgb color);

// The lowest contrast ratio (1 to 21) between `text` and any pixel of `image` inside `area`.
double LowestContrast(const QImage& image, const QRect& area, QRgb text);

// The standard deviation of the luminance of the pixels inside `area`.
double LuminanceSpread(const QImage& image, const QRect& area);

}  // namespace halvena::assets::test
