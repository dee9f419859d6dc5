// The main window's design geometry that the skins are drawn to fit: the three screen-size
// classes with their zoom, the places of the components at the 640 x 480 design size, the
// tab-button shapes and the pop-up panel shape. Plain values and functions.
#pragma once

#include <QPainterPath>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>
#include <array>

namespace halvena::assets {

// A screen-size class: the design is zoomed by M / D, each edge rounded on its own with halves
// away from zero, so a zoomed width is the difference of two rounded edges.
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

// Places of the main window's components at design size (left, top, width, height).
namespace layout {
inline constexpr QSize kWindow(640, 480);
inline constexpr QRect kInfoBtn(6, 4, 18, 18);
inline constexpr QRect kCaptionLbl(84, 3, 197, 16);
inline constexpr QRect kHelpBtn(577, 3, 18, 18);
inline constexpr QRect kQuitBtn(617, 3, 18, 18);
inline constexpr QRect kLstHeader(42, 70, 200, 20);
inline constexpr QRect kContentLst(42, 132, 200, 192);
inline constexpr QRect kContentLstLbl(42, 390, 200, 14);
inline constexpr QRect kBodyImage(137, 98, 74, 215);
inline constexpr QRect kQueryResultsLst(42, 316, 200, 65);
inline constexpr QRect kQueryResultsLstLbl(42, 390, 200, 28);
inline constexpr QRect kAnatomicExpLbl(42, 130, 83, 157);
inline constexpr QRect kSearchEditLbl(42, 140, 200, 14);
inline constexpr QRect kSearchEdit(42, 155, 200, 18);
inline constexpr QRect kSearchEditExpLbl(42, 175, 200, 70);
inline constexpr QRect kSearchGauge(42, 410, 58, 17);
inline constexpr QRect kContentBtn(21, 70, 139, 17);
inline constexpr QRect kAnatomicBtn(21, 90, 139, 17);
inline constexpr QRect kSearchBtn(21, 110, 139, 17);
inline constexpr QRect kGoToBtn(125, 410, 139, 17);
inline constexpr QRect kSeeAlsoBtn(287, 410, 139, 17);
inline constexpr QRect kToClipBrdBtn(470, 390, 139, 17);
inline constexpr QRect kPrintBtn(470, 410, 139, 17);
inline constexpr QRect kIDbRecHeaderLbl(306, 70, 280, 40);
inline constexpr QRect kIDbRecText(306, 112, 280, 271);
inline constexpr QRect kGoToPnl(106, 300, 156, 111);
inline constexpr QRect kSeeAlsoPnl(282, 300, 156, 111);
// Inside a pop-up panel, relative to the panel.
inline constexpr QRect kPnlHeader(14, 9, 129, 16);
inline constexpr QRect kPnlLst(14, 26, 129, 73);
// The letter buttons "A" to "Z": three rows of 16 x 18 buttons.
inline constexpr int kLetterWidth = 16;
inline constexpr int kLetterHeight = 18;
inline constexpr std::array<int, 3> kLetterRowTops = {339, 354, 369};
inline constexpr std::array<int, 9> kLetterLefts = {64, 82, 98, 116, 134, 152, 170, 188, 206};
inline constexpr std::array<int, 8> kLetterMiddleLefts = {74, 92, 108, 126, 144, 162, 180, 198};
// The full and the collapsed width of a tab button at design size.
inline constexpr int kTabWidth = 139;
inline constexpr int kTabCollapsedWidth = 65;
}  // namespace layout

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
