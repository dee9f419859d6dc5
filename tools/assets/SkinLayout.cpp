#include "assets/SkinLayout.h"

#include <cmath>
#include <cstdlib>

namespace halvena::assets {
namespace {

// value x m / d rounded to the nearest integer, halves away from zero.
int MulDiv(int value, int m, int d) {
  const long long product = static_cast<long long>(value) * m;
  const long long rounded = (std::llabs(product) * 2 + d) / (2LL * d);
  return static_cast<int>(product < 0 ? -rounded : rounded);
}

int RoundEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}

// One shape of a tab region: its bounding box as fractions of the full size.
struct TShape {
  bool ellipse;
  double left, top, right, bottom;
};

using TShapes = std::array<TShape, 5>;

constexpr double W(int n) {
  return n / 139.0;
}
constexpr double H(int n) {
  return n / 17.0;
}

constexpr TShapes kModeBtnHotRgn = {{{true, 0, H(1), W(12), H(13)},
                                     {false, W(7), H(2), W(20), H(14)},
                                     {true, W(17), 0, W(34), 1},
                                     {false, W(24), 0, W(130), 1},
                                     {true, W(122), 0, 1, 1}}};
constexpr TShapes kModeBtnRgn = {{{true, 0, H(1), W(12), H(13)},
                                  {false, W(7), H(2), W(20), H(14)},
                                  {true, W(17), 0, W(34), 1},
                                  {false, W(24), 0, W(57), 1},
                                  {true, W(48), 0, W(65), 1}}};
constexpr TShapes kToolBtnHotRgn = {{{true, W(127), H(1), 1, H(13)},
                                     {false, W(119), H(2), W(132), H(14)},
                                     {true, W(105), 0, W(122), 1},
                                     {false, W(9), 0, W(115), 1},
                                     {true, 0, 0, W(17), 1}}};
constexpr TShapes kToolBtnRgn = {{{true, W(53), H(1), W(65), H(13)},
                                  {false, W(45), H(2), W(58), H(14)},
                                  {true, W(31), 0, W(48), 1},
                                  {false, W(9), 0, W(41), 1},
                                  {true, 0, 0, W(17), 1}}};

}  // namespace

int TScreenClass::Zoom(int value) const {
  return MulDiv(value, M, D);
}

QRect TScreenClass::Zoom(const QRect& designRect) const {
  const int left = Zoom(designRect.left());
  const int top = Zoom(designRect.top());
  const int right = Zoom(designRect.left() + designRect.width());
  const int bottom = Zoom(designRect.top() + designRect.height());
  return QRect(left, top, right - left, bottom - top);
}

const std::array<TScreenClass, 3>& ScreenClasses() {
  static const std::array<TScreenClass, 3> classes = {
      TScreenClass{QStringLiteral("6x4"), 1, 1, QSize(640, 480)},
      TScreenClass{QStringLiteral("8x6"), 600, 480, QSize(800, 600)},
      TScreenClass{QStringLiteral("10x7"), 768, 480, QSize(1024, 768)}};
  return classes;
}

QRegion TabRegion(TTabGroup group, bool expanded, QSize full) {
  const TShapes& shapes = group == TTabGroup::Left ? (expanded ? kModeBtnHotRgn : kModeBtnRgn)
                                                   : (expanded ? kToolBtnHotRgn : kToolBtnRgn);
  QRegion region;
  for (const TShape& shape : shapes) {
    const int left = RoundEven(shape.left * full.width());
    const int top = RoundEven(shape.top * full.height());
    const int right = RoundEven(shape.right * full.width());
    const int bottom = RoundEven(shape.bottom * full.height());
    const QRect box(left, top, right - left, bottom - top);
    region += QRegion(box, shape.ellipse ? QRegion::Ellipse : QRegion::Rectangle);
  }
  return region;
}

QSize TabSize(const TScreenClass& screenClass) {
  return screenClass.Zoom(layout::kGoToBtn).size();
}

QPainterPath PanelShape(QSize size) {
  const int w = size.width();
  const int h = size.height();
  QPainterPath path;
  path.addRoundedRect(QRectF(4, 4, w - 7, h - 7), RoundEven(w / 4.0) / 2.0,
                      RoundEven(h / 4.0) / 2.0);
  return path;
}

}  // namespace halvena::assets
