// The pictures of the body figure: one view drawn in the style of an anatomical atlas, the
// organs shaded in their colours with dark outlines and the skin over them translucent, the
// whole reference frame mapped onto the whole picture edge to edge. Plain functions; safe to
// call on several threads at once.
#pragma once

#include <QImage>

#include "assets/figures/FigureScene.h"

namespace halvena::figures {

// The colour of the picture where no part of the body is drawn, at picture row `y` of `height`.
QRgb FigureBackground(int y, int height);

// The view of `scene` as a `width` x `height` picture, each pixel the average of several lines
// of sight. At `ratio` above 1 the picture has `ratio` times the pixels each way, the same
// drawing finer, with outlines as wide as at 1.
QImage RenderFigure(const TFigureScene& scene, int width, int height, int ratio = 1);

}  // namespace halvena::figures
