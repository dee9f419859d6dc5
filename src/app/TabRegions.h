// The window shapes of the main window's tab buttons and pop-up panels as regions, built from
// the design's shape boxes the way the window system builds regions: a box covers its left and
// top edge but not its right and bottom edge. Plain functions without state.
#pragma once

#include <QRect>
#include <QRegion>

#include "layout/TabShapes.h"

namespace halvena {

using layout::TTabRegion;

// The shape `kind` for a tab button whose full (expanded) size is `width` × `height`.
QRegion BuildTabRegion(TTabRegion kind, int width, int height);

// A rectangle with rounded corners from (left, top) to (right, bottom), the corners cut by an
// ellipse of `ellipseWidth` × `ellipseHeight`.
QRegion RoundRectRegion(const QRect& box, int ellipseWidth, int ellipseHeight);

// The shape of a pop-up panel of `width` × `height`.
QRegion PanelRegion(int width, int height);

}  // namespace halvena
