#include "controls/WheelSteps.h"

#include <gtest/gtest.h>

#include <climits>

namespace halvena {
namespace {

TEST(WheelStepsTest, NotchesScrollTheDesktopsRowsEachWay) {
  TWheelSteps steps;
  EXPECT_EQ(steps.AddAngle(120, 3), 3);
  EXPECT_EQ(steps.AddAngle(-240, 3), -6);
  EXPECT_EQ(steps.AddAngle(120, 1), 1);
  // A setting below one row still scrolls.
  EXPECT_EQ(steps.AddAngle(120, 0), 1);
  EXPECT_EQ(steps.AddAngle(0, 3), 0);
}

TEST(WheelStepsTest, SmallStepsAddUpAndTheRestWaits) {
  TWheelSteps steps;
  // A touchpad's eighths of a notch at three rows a notch: a row every 40 units.
  int rows = 0;
  for (int i = 0; i < 8; ++i) rows += steps.AddAngle(15, 3);
  EXPECT_EQ(rows, 3);
  EXPECT_EQ(steps.AddAngle(30, 3), 0);
  EXPECT_EQ(steps.AddAngle(10, 3), 1);  // 30 + 10 make the row
  EXPECT_EQ(steps.AddAngle(-20, 3), 0);
  EXPECT_EQ(steps.AddAngle(-20, 3), -1);
}

TEST(WheelStepsTest, AReversalOrANewGestureDropsTheRest) {
  TWheelSteps steps;
  EXPECT_EQ(steps.AddAngle(39, 3), 0);
  // Without the drop, -2 would leave 37 units up and the turn down would not scroll at 40.
  EXPECT_EQ(steps.AddAngle(-40, 3), -1);
  EXPECT_EQ(steps.AddAngle(39, 3), 0);
  steps.Reset();
  EXPECT_EQ(steps.AddAngle(1, 3), 0);
  EXPECT_EQ(steps.AddAngle(39, 3), 1);
}

TEST(WheelStepsTest, PixelsScrollByTheRowHeight) {
  TWheelSteps steps;
  EXPECT_EQ(steps.AddPixels(10, 16), 0);
  EXPECT_EQ(steps.AddPixels(10, 16), 1);
  EXPECT_EQ(steps.AddPixels(-40, 16), -2);
  EXPECT_EQ(steps.AddPixels(100, 0), 0);
  // Angle units left over are not pixels: the switch starts afresh.
  EXPECT_EQ(steps.AddAngle(39, 3), 0);
  EXPECT_EQ(steps.AddPixels(15, 16), 0);
}

TEST(WheelStepsTest, HugeStepsStayInRange) {
  TWheelSteps steps;
  EXPECT_EQ(steps.AddAngle(INT_MAX, INT_MAX), INT_MAX);
  steps.Reset();
  EXPECT_EQ(steps.AddAngle(INT_MIN, INT_MAX), -INT_MAX);
}

}  // namespace
}  // namespace halvena
