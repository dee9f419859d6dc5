#include "assets/SkinLayout.h"

#include "layout/Files.h"
#include "layout/ScreenClass.h"
#include "layout/TabShapes.h"

namespace halvena::assets {

int TScreenClass::Zoom(int value) const {
  return layout::MulDiv(value, M, D);
}

QRect TScreenClass::Zoom(const QRect& designRect) const {
  return layout::ZoomBounds(designRect, M, D);
}

const std::array<TScreenClass, 3>& ScreenClasses() {
  static const std::array<TScreenClass, 3> classes = [] {
    std::array<TScreenClass, 3> all;
    for (std::uint8_t c = 0; c < layout::kScreenClassCount; ++c) {
      const layout::TScreenChoice zoom = layout::DesignZoom(c);
      const std::string_view suffix = layout::SkinSuffix(c);
      all[c] = TScreenClass{QString::fromLatin1(suffix.data(), qsizetype(suffix.size())), zoom.M,
                            zoom.D, layout::WindowSizeOf(c)};
    }
    return all;
  }();
  return classes;
}

QRegion TabRegion(TTabGroup group, bool expanded, QSize full) {
  const layout::TTabRegion kind =
      group == TTabGroup::Left
          ? (expanded ? layout::TTabRegion::ModeBtnHotRgn : layout::TTabRegion::ModeBtnRgn)
          : (expanded ? layout::TTabRegion::ToolBtnHotRgn : layout::TTabRegion::ToolBtnRgn);
  QRegion region;
  for (const layout::TShapeBox& part : layout::TabShapeBoxes(kind, full.width(), full.height())) {
    region += QRegion(part.Box, part.Ellipse ? QRegion::Ellipse : QRegion::Rectangle);
  }
  return region;
}

QSize TabSize(const TScreenClass& screenClass) {
  return screenClass.Zoom(layout::kGoToBtn).size();
}

QPainterPath PanelShape(QSize size) {
  const layout::TRoundRect shape = layout::PanelShapeBox(size.width(), size.height());
  QPainterPath path;
  path.addRoundedRect(QRectF(shape.Box), shape.EllipseWidth / 2.0, shape.EllipseHeight / 2.0);
  return path;
}

}  // namespace halvena::assets
