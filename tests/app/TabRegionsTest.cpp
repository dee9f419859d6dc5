#include "app/TabRegions.h"

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

}  // namespace
}  // namespace halvena
