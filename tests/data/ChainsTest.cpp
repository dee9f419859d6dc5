#include "data/Chains.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace halvena {
namespace {

// Items are the addresses of the elements of a vector that outlives the chain.
class ChainTest : public ::testing::Test {
 protected:
  void Fill(int n) {
    values.resize(n);
    for (int i = 0; i < n; ++i) {
      values[i] = i + 1;
      ASSERT_TRUE(chain.Add(&values[i]));
    }
  }
  int At(int index) {
    void* p = chain.GetItem(index);
    return p ? *static_cast<int*>(p) : 0;
  }

  std::vector<int> values;
  TPointerChain chain{"test"};
};

TEST_F(ChainTest, BadIndicesAnswerNullAndLeaveTheCursor) {
  Fill(10);
  ASSERT_EQ(At(4), 4);
  for (int bad : {0, -1, 11, -2147483647 - 1}) {
    EXPECT_EQ(chain.GetItem(bad), nullptr);
    EXPECT_EQ(chain.CursorIndex(), 4);
  }
}

TEST_F(ChainTest, EmptyChainHasNothingToGetOrDelete) {
  EXPECT_EQ(chain.Count(), 0);
  EXPECT_EQ(chain.GetItem(1), nullptr);
  EXPECT_FALSE(chain.Delete(1));
  EXPECT_EQ(chain.NextNode(), nullptr);
  EXPECT_EQ(chain.PrevNode(), nullptr);
  EXPECT_EQ(chain.CursorIndex(), 0);
  EXPECT_EQ(chain.Name(), "test");
}

TEST_F(ChainTest, AddMakesTheNewNodeLastAndCursor) {
  Fill(3);
  EXPECT_EQ(chain.CursorIndex(), 3);
  EXPECT_EQ(chain.NextNode(), nullptr);
  ASSERT_NE(chain.PrevNode(), nullptr);
  EXPECT_EQ(*static_cast<int*>(chain.PrevNode()->Data), 2);
}

// Every access pattern must reach the right item, whichever end or cursor the walk starts
// from; the cursor then sits on the item asked for.
TEST_F(ChainTest, RandomAccessAlwaysFindsTheItem) {
  Fill(37);
  std::mt19937 rng(7);
  for (int step = 0; step < 2000; ++step) {
    const int index = static_cast<int>(rng() % 37) + 1;
    ASSERT_EQ(At(index), index);
    ASSERT_EQ(chain.CursorIndex(), index);
  }
  for (int i = 1; i <= 37; ++i) ASSERT_EQ(At(i), i);
  for (int i = 37; i >= 1; --i) ASSERT_EQ(At(i), i);
}

TEST_F(ChainTest, SetItemReplacesOnlyAtAGoodIndex) {
  Fill(5);
  int other = 99;
  chain.SetItem(4, &other);
  EXPECT_EQ(At(4), 99);
  chain.SetItem(6, &other);
  EXPECT_EQ(chain.CursorIndex(), 1);
  chain.SetItem(0, &other);
  EXPECT_EQ(chain.CursorIndex(), 1);
  for (int i : {1, 2, 3, 5}) EXPECT_EQ(At(i), i);
}

TEST_F(ChainTest, DeleteRelinksFirstLastAndMiddle) {
  Fill(5);
  ASSERT_TRUE(chain.Delete(1));  // old second becomes first
  EXPECT_EQ(chain.CursorIndex(), 1);
  EXPECT_EQ(At(1), 2);
  EXPECT_EQ(chain.PrevNode(), nullptr);
  ASSERT_TRUE(chain.Delete(chain.Count()));  // old last-but-one becomes last
  EXPECT_EQ(At(chain.Count()), 4);
  EXPECT_EQ(chain.NextNode(), nullptr);
  ASSERT_TRUE(chain.Delete(2));  // middle
  EXPECT_EQ(chain.Count(), 2);
  EXPECT_EQ(At(1), 2);
  EXPECT_EQ(At(2), 4);
  EXPECT_EQ(chain.NextNode(), nullptr);
}

TEST_F(ChainTest, FailedDeleteResetsTheCursorToTheFirstNode) {
  Fill(4);
  EXPECT_FALSE(chain.Delete(5));
  EXPECT_EQ(chain.CursorIndex(), 4);  // beyond the end: answered before any walk
  EXPECT_FALSE(chain.Delete(0));
  EXPECT_EQ(chain.CursorIndex(), 1);
  EXPECT_EQ(chain.Count(), 4);
}

TEST_F(ChainTest, EmptiedChainStartsAfresh) {
  Fill(1);
  ASSERT_TRUE(chain.Delete(1));
  EXPECT_EQ(chain.Count(), 0);
  EXPECT_EQ(chain.CursorIndex(), 0);
  int again = 42;
  ASSERT_TRUE(chain.Add(&again));
  EXPECT_EQ(chain.CursorIndex(), 1);
  EXPECT_EQ(At(1), 42);
  EXPECT_EQ(chain.NextNode(), nullptr);
  EXPECT_EQ(chain.PrevNode(), nullptr);
}

TEST_F(ChainTest, EmptyingFromTheEndLeavesItemsAlone) {
  Fill(50);
  for (int i = chain.Count(); i >= 1; --i) ASSERT_TRUE(chain.Delete(i));
  EXPECT_EQ(chain.Count(), 0);
  for (int i = 0; i < 50; ++i) EXPECT_EQ(values[i], i + 1);
}

}  // namespace
}  // namespace halvena
