// The window shapes of the main window's tab buttons and pop-up panels, built from ellipses and
// rectangles the way the window system builds regions: a box covers its left and top edge but
// not its right and bottom edge. Plain functions without state.
#pragma once

#include <QRect>
#include <QRegion>

namespace halvena {

// The four tab-button shapes: expanded and collapsed, for the left group (knob at the left
// end) and the right group (knob at the right end).
enum class TTabRegion { ModeBtnHotRgn, ModeBtnRgn, ToolBtnHotRgn, ToolBtnRgn };

// The shape `kind` for a tab button whose full (expanded) size is `width` × `height`: the union
// of two ellipses, two rectangles and one more ellipse whose boxes are fractions of the full
// size, each coordinate rounded to the nearest integer (halves to even).
QRegion BuildTabRegion(TTabRegion kind, int width, int height);

// A rectangle with rounded corners from (left, top) to (right, bottom), the corners cut by an
// ellipse of `ellipseWidth` × `ellipseHeight`.
QRegion RoundRectRegion(const QRect& box, int ellipseWidth, int ellipseHeight);

// The shape of a pop-up panel of `width` × `height`: a rounded rectangle from (4, 4) to
// (width − 3, height − 3) whose corner ellipse is a quarter of the width and of the height,
// rounded.
QRegion PanelRegion(int width, int height);

}  // namespace halvena
