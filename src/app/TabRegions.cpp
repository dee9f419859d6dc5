#include "app/TabRegions.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace halvena {
namespace {

// A box as fractions of the button: numerators over 139 across and over 17 down.
struct TFractionBox {
  int Left, Top, Right, Bottom;
};

constexpr int kAcross = 139;
constexpr int kDown = 17;

// Ellipse 1, rectangle 1, ellipse 2, rectangle 2, ellipse 3 of each shape.
using TShape = std::array<TFractionBox, 5>;

constexpr TShape kModeBtnHot = {{{0, 1, 12, 13},
                                 {7, 2, 20, 14},
                                 {17, 0, 34, kDown},
                                 {24, 0, 130, kDown},
                                 {122, 0, kAcross, kDown}}};
constexpr TShape kModeBtn = {
    {{0, 1, 12, 13}, {7, 2, 20, 14}, {17, 0, 34, kDown}, {24, 0, 57, kDown}, {48, 0, 65, kDown}}};
constexpr TShape kToolBtnHot = {{{127, 1, kAcross, 13},
                                 {119, 2, 132, 14},
                                 {105, 0, 122, kDown},
                                 {9, 0, 115, kDown},
                                 {0, 0, 17, kDown}}};
constexpr TShape kToolBtn = {
    {{53, 1, 65, 13}, {45, 2, 58, 14}, {31, 0, 48, kDown}, {9, 0, 41, kDown}, {0, 0, 17, kDown}}};

int Scaled(int size, int numerator, int denominator) {
  return static_cast<int>(std::nearbyint(static_cast<double>(size) * numerator / denominator));
}

QRect BoxOf(const TFractionBox& box, int width, int height) {
  const int left = Scaled(width, box.Left, kAcross);
  const int top = Scaled(height, box.Top, kDown);
  const int right = Scaled(width, box.Right, kAcross);
  const int bottom = Scaled(height, box.Bottom, kDown);
  return {left, top, right - left, bottom - top};
}

QRegion EllipseRegion(const QRect& box) {
  return box.isEmpty() ? QRegion() : QRegion(box, QRegion::Ellipse);
}

}  // namespace

QRegion BuildTabRegion(TTabRegion kind, int width, int height) {
  const TShape& shape = kind == TTabRegion::ModeBtnHotRgn   ? kModeBtnHot
                        : kind == TTabRegion::ModeBtnRgn    ? kModeBtn
                        : kind == TTabRegion::ToolBtnHotRgn ? kToolBtnHot
                                                            : kToolBtn;
  QRegion region = EllipseRegion(BoxOf(shape[0], width, height));
  region += QRegion(BoxOf(shape[1], width, height));
  region += EllipseRegion(BoxOf(shape[2], width, height));
  region += QRegion(BoxOf(shape[3], width, height));
  region += EllipseRegion(BoxOf(shape[4], width, height));
  return region;
}

QRegion RoundRectRegion(const QRect& box, int ellipseWidth, int ellipseHeight) {
  if (box.isEmpty()) return {};
  const int l = box.left();
  const int t = box.top();
  const int r = box.left() + box.width();
  const int b = box.top() + box.height();
  const int ew = std::min(ellipseWidth, box.width());
  const int eh = std::min(ellipseHeight, box.height());
  QRegion region(QRect(l + ew / 2, t, box.width() - 2 * (ew / 2), box.height()));
  region += QRegion(QRect(l, t + eh / 2, box.width(), box.height() - 2 * (eh / 2)));
  region += EllipseRegion(QRect(l, t, ew, eh));
  region += EllipseRegion(QRect(r - ew, t, ew, eh));
  region += EllipseRegion(QRect(l, b - eh, ew, eh));
  region += EllipseRegion(QRect(r - ew, b - eh, ew, eh));
  return region;
}

QRegion PanelRegion(int width, int height) {
  const QRect box(4, 4, width - 3 - 4, height - 3 - 4);
  return RoundRectRegion(box, static_cast<int>(std::nearbyint(width / 4.0)),
                         static_cast<int>(std::nearbyint(height / 4.0)));
}

}  // namespace halvena
