// The pictures of the text list's scroll bar: "ScrollUp", "ScrollThumb" and "ScrollDown", 16 x 16
// and opaque, drawn to sit on the list colour RGB 140, 177, 156. Plain functions.
#pragma once

#include <QImage>

namespace halvena::assets {

QImage ScrollUp();
QImage ScrollThumb();
QImage ScrollDown();

}  // namespace halvena::assets
