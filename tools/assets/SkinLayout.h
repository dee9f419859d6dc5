// The main window's design as the skins are drawn to fit it: the three screen-size classes with
// their zoom, the tab-button shapes and the pop-up panel shape, all taken from the design's
// layout (layout/), which also holds the places of the components. Plain values and functions.
#pragma once

#include <QPainterPath>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>
#include <array>

#include "layout/Design.h"

namespace halvena::assets {

// A screen-size class: the design is zoomed by M / D, each edge rounded on its own with halves
// away from zero (layout::ZoomBounds), so a zoomed width is the difference of two rounded edges.
struct TScreenClass {
  QString Suffix;  // "6x4", "8x6", "10x7": the end of every skin file name of the class
  int M = 1;
  int D = 1;
  QSize Window;  // the window size of the class

  int Zoom(int value) const;
  // Each edge (left, top, right, bottom, the last two exclusive) zoomed on its own.
  QRect Zoom(const QRect& designRect) const;
  // The factor as a real number, for pen widths, radii and font sizes.
  double Factor() const { return static_cast<double>(M) / D; }
};

// Classes 0, 1 and 2.
const std::array<TScreenClass, 3>& ScreenClasses();

// The two tab-button groups: the knob sits at the left end of a left-group tab and at the right
// end of a right-group tab.
enum class TTabGroup { Left, Right };

// The window shape of a tab button of group `group`, collapsed or expanded, in the coordinates
// of a button whose full (expanded) size is `full`: two ellipses, two rectangles and a third
// ellipse, each edge a fraction of the full size rounded to the nearest integer.
QRegion TabRegion(TTabGroup group, bool expanded, QSize full);

// The full size of a tab button in a class: the size of `GoToBtn` zoomed.
QSize TabSize(const TScreenClass& screenClass);

// The window shape of a pop-up panel of `size`: a rounded rectangle from (4, 4) to
// (w - 3, h - 3) whose corner ellipse is a quarter of the width and of the height.
QPainterPath PanelShape(QSize size);

}  // namespace halvena::assets
