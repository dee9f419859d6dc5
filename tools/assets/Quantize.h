// Reducing a true-colour picture to a bitmap of 8 bits per pixel for displays of 256 colours or
// fewer: a palette chosen for the picture, and error diffusion against any palette. Plain
// functions.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QVector>
#include <cstdint>
#include <vector>

namespace halvena::assets {

// At most `count` colours that represent `image` well (median cut: the colour box with the
// widest spread is split at its median value until there are `count` boxes; each box gives its
// mean). A picture of at most `count` colours keeps them exactly.
QVector<QRgb> PictureColors(const QImage& image, int count);

// The palette index of every pixel of `image`, top row first, choosing the nearest colour of
// `palette` and spreading the difference onto the neighbours still to come (Floyd-Steinberg).
// `palette` must not be empty.
std::vector<std::uint8_t> DiffuseToPalette(const QImage& image, const QVector<QRgb>& palette);

// `image` as a bitmap resource of 8 bits per pixel whose colour table is `palette` (at most 256
// colours).
QByteArray PalettedPicture(const QImage& image, const QVector<QRgb>& palette);

}  // namespace halvena::assets
