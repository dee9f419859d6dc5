// The pictures of the text list's scroll bar: "ScrollUp", "ScrollThumb" and "ScrollDown", 16 x 16
// and opaque, drawn to sit on the list colour RGB 140, 177, 156. Plain functions. At `ratio` above
// 1 the same drawing has `ratio` times the pixels each way and that device pixel ratio.
#pragma once

#include <QImage>

namespace halvena::assets {

QImage ScrollUp(int ratio = 1);
QImage ScrollThumb(int ratio = 1);
QImage ScrollDown(int ratio = 1);

}  // namespace halvena::assets
