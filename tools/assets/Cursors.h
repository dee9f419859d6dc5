// The two hand cursors: "HandCursor", a hand with the index finger pointing up (over things that
// react to a click), and "HandNoFingersCursor", a flat hand. Plain functions.
#pragma once

#include <QImage>

namespace halvena::assets {

// 32 x 32 pictures with transparency; the hot spot is in the text entries "HotSpotX" and
// "HotSpotY", which a PNG file keeps.
QImage HandCursor();
QImage HandNoFingersCursor();

}  // namespace halvena::assets
