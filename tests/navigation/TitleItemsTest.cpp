#include "navigation/TitleItems.h"

#include <gtest/gtest.h>

namespace halvena {
namespace {

TEST(TitleItems, ReadBackNumberAndText) {
  EXPECT_EQ(ItemNumber("12|Aambeien"), 12);
  EXPECT_EQ(ItemText("12|Aambeien"), "Aambeien");
  EXPECT_EQ(ItemText("12|A|B"), "A|B");
  EXPECT_EQ(ItemText("geen streep"), "geen streep");
  EXPECT_EQ(ItemNumber("geen streep"), 0);
  EXPECT_EQ(ItemNumber("|x"), 0);
  EXPECT_EQ(ItemNumber("1a|x"), 0);
  EXPECT_EQ(ItemNumber("99999999999|x"), 0);
}

TEST(TitleItems, TypedSearchQueryIsOneRequiredWord) {
  EXPECT_EQ(TypedSearchQuery("hoge bloeddruk"), "+\"hoge bloeddruk\"");
  EXPECT_EQ(TypedSearchQuery("").size(), 3u);
}

TEST(TitleItems, ChoiceOfTheTypedResult) {
  const std::vector<std::string> items = {"1|Hartinfarct", "2|Open hart", "3|Hart", "4|Lever"};
  EXPECT_EQ(ChooseTypedResult(items, "hart"), 2);    // exact title, case ignored
  EXPECT_EQ(ChooseTypedResult(items, "HARTIN"), 0);  // first title that contains it
  EXPECT_EQ(ChooseTypedResult(items, "en h"), 1);
  EXPECT_EQ(ChooseTypedResult(items, "milt"), 0);  // otherwise the first
  EXPECT_EQ(ChooseTypedResult({}, "hart"), -1);
}

}  // namespace
}  // namespace halvena
