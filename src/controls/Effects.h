// TransitionEffect: shows a new frame on a canvas cell by cell (at random, as a spiral growing
// from the middle, or as a spiral closing in from the edges) instead of at once.
// User-interface thread only.
#pragma once

#include <QImage>
#include <cstdint>

#include "controls/Canvas.h"

namespace halvena {

enum class EffectStyle : std::uint8_t { esRandom, esExplode, esImplode };

// Copies `source` onto `dest` (which must not be null) in square cells of `cellSize` pixels
// over a grid that covers the source plus one pixel, presenting each cell as it is copied,
// and ends by copying the whole source so that the frame is complete. The random style
// copies one cell per `speed` cells of the grid. A cell size below 1 is taken as 1 and a
// speed of 0 as 1.
void TransitionEffect(const QImage& source, TCanvas* dest, int cellSize, int speed,
                      EffectStyle style);

}  // namespace halvena
