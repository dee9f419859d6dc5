#include "navigation/ListSteps.h"

#include <gtest/gtest.h>

namespace halvena {
namespace {

using enum TListStep;

TEST(ListSteps, StepsStopAtTheEndsAndPagesKeepOneRow) {
  // 30 items, 6 rows in view.
  EXPECT_EQ(StepSelection(lsDown, {0, 0}, 30, 6), (TListPlace{1, 0}));
  EXPECT_EQ(StepSelection(lsUp, {0, 0}, 30, 6), (TListPlace{0, 0}));
  EXPECT_EQ(StepSelection(lsDown, {29, 24}, 30, 6), (TListPlace{29, 24}));
  EXPECT_EQ(StepSelection(lsPageDown, {2, 0}, 30, 6), (TListPlace{7, 2}));
  EXPECT_EQ(StepSelection(lsPageDown, {27, 22}, 30, 6), (TListPlace{29, 24}));
  EXPECT_EQ(StepSelection(lsPageUp, {7, 2}, 30, 6), (TListPlace{2, 2}));
  EXPECT_EQ(StepSelection(lsPageUp, {3, 0}, 30, 6), (TListPlace{0, 0}));
  EXPECT_EQ(StepSelection(lsFirst, {12, 10}, 30, 6), (TListPlace{0, 0}));
  EXPECT_EQ(StepSelection(lsLast, {0, 0}, 30, 6), (TListPlace{29, 24}));
  // A single row in view still pages by one item.
  EXPECT_EQ(StepSelection(lsPageDown, {4, 4}, 30, 1), (TListPlace{5, 5}));
  EXPECT_EQ(StepSelection(lsPageDown, {4, 4}, 30, 0), (TListPlace{5, 5}));
}

TEST(ListSteps, TheSelectionComesBackIntoView) {
  // Scrolled away by the wheel: the step brings the selection back to the nearest edge.
  EXPECT_EQ(StepSelection(lsDown, {2, 20}, 30, 6), (TListPlace{3, 3}));
  EXPECT_EQ(StepSelection(lsUp, {20, 0}, 30, 6), (TListPlace{19, 14}));
  // A top beyond the list is brought back too.
  EXPECT_EQ(StepSelection(lsUp, {5, 40}, 30, 6), (TListPlace{4, 4}));
}

TEST(ListSteps, WithoutASelectionOrItems) {
  EXPECT_EQ(StepSelection(lsDown, {-1, 0}, 30, 6), (TListPlace{0, 0}));
  EXPECT_EQ(StepSelection(lsUp, {-1, 0}, 30, 6), (TListPlace{0, 0}));
  EXPECT_EQ(StepSelection(lsPageDown, {45, 0}, 30, 6), (TListPlace{0, 0}));
  EXPECT_EQ(StepSelection(lsLast, {-1, -1}, 30, 6), (TListPlace{29, 24}));
  EXPECT_EQ(StepSelection(lsDown, {-1, -1}, 0, 6), (TListPlace{-1, -1}));
}

}  // namespace
}  // namespace halvena
