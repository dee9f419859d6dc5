#include "base/StringList.h"

#include <gtest/gtest.h>

namespace halvena {
namespace {

using Items = std::vector<std::string>;

class StringListTest : public testing::Test {
 protected:
  void SetUp() override {
    list.OnChange = [this] { ++changes; };
  }
  Items Contents() const {
    Items items;
    for (int i = 0; i < list.Count(); ++i) items.push_back(list[i]);
    return items;
  }
  TStringList list;
  int changes = 0;
};

TEST_F(StringListTest, ChangesNotifyOnceEachAndNonChangesNever) {
  list.Add("b");
  list.Add("a");
  list.Delete(0);
  EXPECT_EQ(Contents(), Items{"a"});
  EXPECT_EQ(changes, 3);
  list.Delete(-1);
  list.Delete(1);
  list.EndUpdate();  // unbalanced: ignored
  list.Clear();
  list.Clear();  // already empty
  EXPECT_EQ(changes, 4);
}

TEST_F(StringListTest, NestedBracketNotifiesOnceAtTheOuterEnd) {
  list.BeginUpdate();
  list.Add("a");
  list.BeginUpdate();
  list.Assign(Items{"b", "c"});
  list.EndUpdate();
  list.Delete(0);
  EXPECT_EQ(changes, 0);
  list.EndUpdate();
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(Contents(), Items{"c"});

  list.BeginUpdate();
  list.EndUpdate();  // nothing changed
  list.Assign(Items{"z", "y", "z"});
  EXPECT_EQ(changes, 2);  // Assign brackets itself
  EXPECT_EQ(Contents(), (Items{"z", "y", "z"}));
  EXPECT_EQ(list.IndexOf("Z"), -1);  // unsorted: exact
}

TEST_F(StringListTest, SortedModeIgnoresCaseAndDuplicates) {
  list.Assign(Items{"b", "a", "B"});
  list.SetSorted(true);  // keeps every item already there
  EXPECT_EQ(Contents(), (Items{"a", "b", "B"}));
  list.Assign(Items{"banaan", "Appel", "citroen", "BANAAN", "_x", "\xE9tui", "zebra"});
  EXPECT_EQ(Contents(), (Items{"_x", "Appel", "banaan", "citroen", "zebra", "\xE9tui"}));
  EXPECT_EQ(list.Add("APPEL"), -1);
  EXPECT_EQ(list.Add("druif"), 4);
  EXPECT_EQ(list.IndexOf("CITROEN"), 3);
  EXPECT_EQ(list.IndexOf("peer"), -1);
}

}  // namespace
}  // namespace halvena
