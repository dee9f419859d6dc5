#include "navigation/History.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvena {
namespace {

using TLines = std::vector<std::string>;

TEST(History, NeverTheSameTitleTwiceInARow) {
  TLines history;
  EXPECT_TRUE(RecordHistory(history, "A"));
  EXPECT_TRUE(RecordHistory(history, "B"));
  EXPECT_TRUE(RecordHistory(history, "A"));
  EXPECT_FALSE(RecordHistory(history, "A"));
  // Letter case makes another title.
  EXPECT_TRUE(RecordHistory(history, "a"));
  EXPECT_EQ(history, (TLines{"A", "B", "A", "a"}));
}

TEST(History, KeepsTheNewestFifteen) {
  TLines history;
  for (int i = 1; i <= 16; ++i) RecordHistory(history, "T" + std::to_string(i));
  ASSERT_EQ(history.size(), 15u);
  EXPECT_EQ(history.front(), "T2");
  EXPECT_EQ(history.back(), "T16");
}

TEST(History, SelectedItemShowsSecondFromTheTop) {
  EXPECT_EQ(SecondFromTop(14), 13);
  EXPECT_EQ(SecondFromTop(1), 0);
  EXPECT_EQ(SecondFromTop(0), 0);
  EXPECT_EQ(SecondFromTop(-1), -1);
}

}  // namespace
}  // namespace halvena
