// The shapes of the tab buttons and the pop-up panels as boxes of ellipses and rectangles, as
// fractions of the control's full size. The window builds its window regions from them and the
// asset generator draws the glyphs and panel skins to the same shapes. Plain functions; safe
// from any thread.
#pragma once

#include <QRect>
#include <array>

namespace halvena::layout {

// The four tab-button shapes: expanded and collapsed, for the left group (knob at the left end)
// and the right group (knob at the right end).
enum class TTabRegion { ModeBtnHotRgn, ModeBtnRgn, ToolBtnHotRgn, ToolBtnRgn };

// One part of a shape: an ellipse or a rectangle given by its box. A box covers its left and top
// edge but not its right and bottom edge.
struct TShapeBox {
  bool Ellipse = false;
  QRect Box;
};

// The parts of shape `kind` for a tab button whose full (expanded) size is `width` x `height`:
// ellipse 1, rectangle 1, ellipse 2, rectangle 2 and ellipse 3, each coordinate the full size
// times its fraction rounded to the nearest integer (halves to even). Their union is the shape.
std::array<TShapeBox, 5> TabShapeBoxes(TTabRegion kind, int width, int height);

// The shape of a pop-up panel of `width` x `height`: a rectangle from (4, 4) to (width − 3,
// height − 3) whose corners are cut by an ellipse of a quarter of the width and of the height,
// both rounded to the nearest integer (halves to even).
struct TRoundRect {
  QRect Box;
  int EllipseWidth = 0;
  int EllipseHeight = 0;
};
TRoundRect PanelShapeBox(int width, int height);

}  // namespace halvena::layout
