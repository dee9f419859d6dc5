#include "TabRegions.h"

#include <gtest/gtest.h>

namespace halvena {
namespace {

struct TRegionCase {
  const char* Name;
  TTabRegion Kind;
  QRect Bounds;         // at 139 × 17
  QPoint KnobInside;    // in the lower, smaller knob at the outer end
  QPoint BelowKnob;     // under the knob: outside
  QPoint FarEndInside;  // near the far end of the bar
  QPoint BeyondFarEnd;  // past the far end: outside
};

class TabRegionShape : public ::testing::TestWithParam<TRegionCase> {};

TEST_P(TabRegionShape, CoversItsButtonWithTheKnobAtTheOuterEnd) {
  const TRegionCase& c = GetParam();
  const QRegion region = BuildTabRegion(c.Kind, 139, 17);
  EXPECT_EQ(region.boundingRect(), c.Bounds);
  EXPECT_TRUE(region.contains(c.KnobInside));
  EXPECT_FALSE(region.contains(c.BelowKnob));
  EXPECT_TRUE(region.contains(c.FarEndInside));
  EXPECT_FALSE(region.contains(c.BeyondFarEnd));
}

INSTANTIATE_TEST_SUITE_P(
    Regions, TabRegionShape,
    ::testing::Values(TRegionCase{"ModeBtnHotRgn", TTabRegion::ModeBtnHotRgn, QRect(0, 0, 139, 17),
                                  QPoint(1, 7), QPoint(1, 15), QPoint(137, 8), QPoint(139, 8)},
                      TRegionCase{"ModeBtnRgn", TTabRegion::ModeBtnRgn, QRect(0, 0, 65, 17),
                                  QPoint(1, 7), QPoint(1, 15), QPoint(63, 8), QPoint(65, 8)},
                      TRegionCase{"ToolBtnHotRgn", TTabRegion::ToolBtnHotRgn, QRect(0, 0, 139, 17),
                                  QPoint(137, 7), QPoint(137, 15), QPoint(1, 8), QPoint(-1, 8)},
                      TRegionCase{"ToolBtnRgn", TTabRegion::ToolBtnRgn, QRect(0, 0, 65, 17),
                                  QPoint(63, 7), QPoint(63, 15), QPoint(1, 8), QPoint(-1, 8)}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(TabRegionZoom, CollapsedShapeMatchesTheCollapsedWidthAtEveryClass) {
  // Full tab sizes after the zoom of the three classes, and their collapsed widths.
  const struct {
    int Width, Height, Collapsed;
  } sizes[] = {{139, 17, 65}, {174, 21, 81}, {222, 27, 104}};
  for (const auto& size : sizes) {
    SCOPED_TRACE(size.Width);
    for (TTabRegion kind : {TTabRegion::ModeBtnRgn, TTabRegion::ToolBtnRgn}) {
      EXPECT_EQ(BuildTabRegion(kind, size.Width, size.Height).boundingRect(),
                QRect(0, 0, size.Collapsed, size.Height));
    }
    for (TTabRegion kind : {TTabRegion::ModeBtnHotRgn, TTabRegion::ToolBtnHotRgn}) {
      EXPECT_EQ(BuildTabRegion(kind, size.Width, size.Height).boundingRect(),
                QRect(0, 0, size.Width, size.Height));
    }
  }
}

TEST(PanelShape, RoundedRectangleInsideThePanel) {
  const QRegion region = PanelRegion(156, 111);
  EXPECT_EQ(region.boundingRect(), QRect(4, 4, 149, 104));  // (4, 4) to (153, 108)
  EXPECT_FALSE(region.contains(QPoint(4, 4)));              // corner cut off
  EXPECT_FALSE(region.contains(QPoint(152, 107)));
  EXPECT_TRUE(region.contains(QPoint(78, 4)));
  EXPECT_TRUE(region.contains(QPoint(4, 55)));
  EXPECT_TRUE(region.contains(QPoint(152, 55)));
  EXPECT_FALSE(region.contains(QPoint(153, 55)));
  EXPECT_FALSE(region.contains(QPoint(78, 3)));
}

TEST(PanelShape, DegenerateSizesGiveAnEmptyShape) {
  EXPECT_TRUE(PanelRegion(7, 50).isEmpty());
  EXPECT_TRUE(PanelRegion(0, 0).isEmpty());
  EXPECT_TRUE(RoundRectRegion(QRect(0, 0, 10, 10), 40, 40).contains(QPoint(5, 5)));
}

}  // namespace
}  // namespace halvena
