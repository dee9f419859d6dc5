#include "layout/TabShapes.h"

#include <gtest/gtest.h>

#include <cmath>

#include "layout/Design.h"
#include "layout/ScreenClass.h"

namespace halvena::layout {
namespace {

QRect Union(const std::array<TShapeBox, 5>& parts) {
  QRect all;
  for (const TShapeBox& part : parts) all |= part.Box;
  return all;
}

TEST(TabShapes, AtDesignSizeTheBoxesAreTheFractionsNumerators) {
  const auto collapsed = TabShapeBoxes(TTabRegion::ModeBtnRgn, 139, 17);
  EXPECT_TRUE(collapsed[0].Ellipse);
  EXPECT_EQ(collapsed[0].Box, QRect(QPoint(0, 1), QPoint(11, 12)));
  EXPECT_FALSE(collapsed[1].Ellipse);
  EXPECT_EQ(collapsed[1].Box, QRect(QPoint(7, 2), QPoint(19, 13)));
  EXPECT_EQ(collapsed[4].Box, QRect(QPoint(48, 0), QPoint(64, 16)));
  const auto tool = TabShapeBoxes(TTabRegion::ToolBtnHotRgn, 139, 17);
  EXPECT_EQ(tool[0].Box, QRect(QPoint(127, 1), QPoint(138, 12)));
}

// The collapsed shape must end exactly where the window cuts the collapsed button, and the
// expanded shape fill the full button, in every screen-size class.
TEST(TabShapes, ShapesCoverTheirButtonsInEveryClass) {
  for (std::uint8_t screenClass = 0; screenClass < kScreenClassCount; ++screenClass) {
    const TScreenChoice zoom = DesignZoom(screenClass);
    const QSize full = ZoomBounds(kGoToBtn, zoom.M, zoom.D).size();
    const int collapsed = static_cast<int>(std::nearbyint(full.width() * kTabCollapseFactor));
    for (const TTabRegion kind : {TTabRegion::ModeBtnRgn, TTabRegion::ToolBtnRgn}) {
      EXPECT_EQ(Union(TabShapeBoxes(kind, full.width(), full.height())),
                QRect(0, 0, collapsed, full.height()))
          << int(screenClass);
    }
    for (const TTabRegion kind : {TTabRegion::ModeBtnHotRgn, TTabRegion::ToolBtnHotRgn}) {
      EXPECT_EQ(Union(TabShapeBoxes(kind, full.width(), full.height())), QRect(QPoint(), full))
          << int(screenClass);
    }
  }
}

TEST(TabShapes, PanelCornersAreAQuarterOfTheSize) {
  const TRoundRect shape = PanelShapeBox(156, 111);
  EXPECT_EQ(shape.Box, QRect(QPoint(4, 4), QPoint(152, 107)));
  EXPECT_EQ(shape.EllipseWidth, 39);
  EXPECT_EQ(shape.EllipseHeight, 28);                   // 27.75
  EXPECT_EQ(PanelShapeBox(250, 178).EllipseWidth, 62);  // 62.5, halves to even
}

}  // namespace
}  // namespace halvena::layout
