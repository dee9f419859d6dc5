#include "layout/TabShapes.h"

#include <cmath>

#include "layout/Design.h"

namespace halvena::layout {
namespace {

// A box as fractions of the button: numerators over 139 across and over 17 down.
struct TFractionBox {
  int Left, Top, Right, Bottom;
};

constexpr int kAcross = kTabWidth;
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

int RoundEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}

}  // namespace

std::array<TShapeBox, 5> TabShapeBoxes(TTabRegion kind, int width, int height) {
  const TShape& shape = kind == TTabRegion::ModeBtnHotRgn   ? kModeBtnHot
                        : kind == TTabRegion::ModeBtnRgn    ? kModeBtn
                        : kind == TTabRegion::ToolBtnHotRgn ? kToolBtnHot
                                                            : kToolBtn;
  std::array<TShapeBox, 5> boxes;
  for (std::size_t i = 0; i < shape.size(); ++i) {
    const int left = Scaled(width, shape[i].Left, kAcross);
    const int top = Scaled(height, shape[i].Top, kDown);
    const int right = Scaled(width, shape[i].Right, kAcross);
    const int bottom = Scaled(height, shape[i].Bottom, kDown);
    boxes[i] = {i % 2 == 0, QRect(left, top, right - left, bottom - top)};
  }
  return boxes;
}

TRoundRect PanelShapeBox(int width, int height) {
  return {QRect(4, 4, width - 3 - 4, height - 3 - 4), RoundEven(width / 4.0),
          RoundEven(height / 4.0)};
}

}  // namespace halvena::layout
