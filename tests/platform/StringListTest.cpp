#include "StringList.h"

#include <gtest/gtest.h>

namespace halvena {
namespace {

std::vector<std::string> Items(const TStringList& list) {
  std::vector<std::string> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list[i]);
  return items;
}

class StringListTest : public testing::Test {
 protected:
  void SetUp() override {
    list.OnChange = [this] { ++changes; };
  }
  TStringList list;
  int changes = 0;
};

TEST_F(StringListTest, EveryChangeOutsideABracketNotifiesOnce) {
  list.Add("b");
  list.Add("a");
  EXPECT_EQ(changes, 2);
  list.Delete(0);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"a"}));
  EXPECT_EQ(changes, 3);
  list.Clear();
  EXPECT_EQ(changes, 4);
}

TEST_F(StringListTest, NonChangesDoNotNotify) {
  list.Add("a");
  changes = 0;
  list.Delete(-1);
  list.Delete(1);
  list.Clear();
  list.Clear();      // already empty
  list.EndUpdate();  // unbalanced: ignored
  EXPECT_EQ(changes, 1);
}

TEST_F(StringListTest, NestedBracketNotifiesOnceAtTheOuterEnd) {
  list.BeginUpdate();
  list.Add("a");
  list.BeginUpdate();
  list.Add("b");
  list.Clear();
  list.EndUpdate();
  EXPECT_EQ(changes, 0);
  list.Add("c");
  list.EndUpdate();
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"c"}));

  list.BeginUpdate();
  list.EndUpdate();  // nothing changed
  EXPECT_EQ(changes, 1);
}

TEST_F(StringListTest, AssignReplacesWithOneNotification) {
  list.Add("old");
  changes = 0;
  list.Assign(std::vector<std::string>{"z", "y", "z"});
  EXPECT_EQ(Items(list), (std::vector<std::string>{"z", "y", "z"}));
  EXPECT_EQ(changes, 1);

  TStringList other;
  other.Assign(list);
  EXPECT_EQ(Items(other), Items(list));
  list.Assign(list);
  EXPECT_EQ(Items(list).size(), 3u);
}

TEST_F(StringListTest, SortedModeIgnoresCaseAndDuplicates) {
  list.SetSorted(true);
  EXPECT_EQ(list.Add("banaan"), 0);
  EXPECT_EQ(list.Add("Appel"), 0);
  EXPECT_EQ(list.Add("citroen"), 2);
  EXPECT_EQ(list.Add("BANAAN"), -1);
  EXPECT_EQ(list.Add("_x"), 0);  // '_' sorts before the lower-case letters
  EXPECT_EQ(Items(list), (std::vector<std::string>{"_x", "Appel", "banaan", "citroen"}));
  EXPECT_EQ(list.IndexOf("APPEL"), 1);
  EXPECT_EQ(list.IndexOf("peer"), -1);
  EXPECT_EQ(changes, 4);

  list.Assign(std::vector<std::string>{"b", "A", "a", "B"});
  EXPECT_EQ(Items(list), (std::vector<std::string>{"A", "b"}));
}

TEST_F(StringListTest, IndexOfIsExactWhenUnsorted) {
  list.Assign(std::vector<std::string>{"Appel", "appel"});
  EXPECT_EQ(list.IndexOf("appel"), 1);
  EXPECT_EQ(list.IndexOf("APPEL"), -1);
}

TEST_F(StringListTest, SortingKeepsEveryItem) {
  list.Assign(std::vector<std::string>{"b", "a", "B"});
  changes = 0;
  list.SetSorted(true);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"a", "b", "B"}));
  EXPECT_EQ(changes, 1);
  list.SetSorted(false);
  list.Add("0");
  EXPECT_EQ(list[3], "0");
}

TEST_F(StringListTest, HighBytesSortAfterAscii) {
  list.SetSorted(true);
  list.Add("\xE9tui");  // é
  list.Add("zebra");
  EXPECT_EQ(list[0], "zebra");
}

}  // namespace
}  // namespace halvena
