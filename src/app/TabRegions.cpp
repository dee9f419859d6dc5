#include "app/TabRegions.h"

#include <algorithm>

namespace halvena {
namespace {

QRegion EllipseRegion(const QRect& box) {
  return box.isEmpty() ? QRegion() : QRegion(box, QRegion::Ellipse);
}

}  // namespace

QRegion BuildTabRegion(TTabRegion kind, int width, int height) {
  QRegion region;
  for (const layout::TShapeBox& part : layout::TabShapeBoxes(kind, width, height)) {
    region += part.Ellipse ? EllipseRegion(part.Box) : QRegion(part.Box);
  }
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
  const layout::TRoundRect shape = layout::PanelShapeBox(width, height);
  return RoundRectRegion(shape.Box, shape.EllipseWidth, shape.EllipseHeight);
}

}  // namespace halvena
