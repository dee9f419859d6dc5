#include "layout/ScreenClass.h"

#include <cmath>

#include "layout/Design.h"

namespace halvena::layout {

int MulDiv(int a, int b, int c) {
  const double exact = static_cast<double>(a) * b / c;
  return static_cast<int>(std::lround(exact));
}

std::optional<TScreenChoice> ChooseScreenClass(int width, int height) {
  const double w = static_cast<double>(width) / kDesignSize.width();
  const double h = static_cast<double>(height) / kDesignSize.height();
  if (w >= h) {
    if (height < 480) return std::nullopt;
    if (height < 768) return TScreenChoice{0, 1, 1};
    if (height < 864) return TScreenChoice{1, 600, 480};
    return TScreenChoice{2, 768, 480};
  }
  if (width < 640) return std::nullopt;
  if (width < 1024) return TScreenChoice{0, 1, 1};
  if (width < 1152) return TScreenChoice{1, 800, 640};
  return TScreenChoice{2, 1024, 640};
}

QSize WindowSizeOf(std::uint8_t screenClass) {
  switch (screenClass) {
    case 1:
      return {800, 600};
    case 2:
      return {1024, 768};
    default:
      return kDesignSize;
  }
}

TScreenChoice DesignZoom(std::uint8_t screenClass) {
  switch (screenClass) {
    case 1:
      return {1, 600, 480};
    case 2:
      return {2, 768, 480};
    default:
      return {0, 1, 1};
  }
}

QRect ZoomBounds(const QRect& bounds, int m, int d) {
  const int left = MulDiv(bounds.x(), m, d);
  const int top = MulDiv(bounds.y(), m, d);
  const int right = MulDiv(bounds.x() + bounds.width(), m, d);
  const int bottom = MulDiv(bounds.y() + bounds.height(), m, d);
  return {left, top, right - left, bottom - top};
}

int ZoomFontHeight(int height, int m, int d) {
  constexpr int kPixelsPerInch = 96;
  const int points = -MulDiv(height, 72, kPixelsPerInch);
  return -MulDiv(MulDiv(points, m, d), kPixelsPerInch, 72);
}

int ZoomRowHeight(int height, std::uint8_t screenClass) {
  const double factor = screenClass == 1 ? 1.25 : screenClass == 2 ? 1.6 : 1.0;
  return static_cast<int>(std::nearbyint(height * factor));
}

}  // namespace halvena::layout
