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

TEST(TitleItems, LookupOfAFollowedTitle) {
  const std::vector<std::string> items = {"4|aorta", "5|Aorta", "6|Arm"};
  EXPECT_EQ(FindTitle(items, "AORTA"), 0);
  EXPECT_EQ(FindTitle(items, "ARM"), 2);
  EXPECT_EQ(FindTitle(items, "BEEN"), -1);
  EXPECT_EQ(UpperAscii("h\xe9t {x}"), "H\xe9T {X}");
}

TEST(TitleItems, LetterToOpenForAFollowedTitle) {
  EXPECT_EQ(LetterToOpen("", "HART"), 'H');         // empty list
  EXPECT_EQ(LetterToOpen("3|Aorta", "HART"), 'H');  // another letter shown
  EXPECT_EQ(LetterToOpen("7|Hals", "HART"), '\0');  // already shown
  // The first title compares byte for byte: a lower-case first title opens the letter again.
  EXPECT_EQ(LetterToOpen("7|hals", "HART"), 'H');
  EXPECT_EQ(LetterToOpen("7|", "HART"), 'H');
  // Titles outside "A" to "Z" open no letter.
  EXPECT_EQ(LetterToOpen("3|Aorta", "\xc9TAGE"), '\0');
  EXPECT_EQ(LetterToOpen("3|Aorta", "3D"), '\0');
  EXPECT_EQ(LetterToOpen("3|Aorta", ""), '\0');
}

TEST(TitleItems, ModeQueryGetsARequiredOperator) {
  EXPECT_EQ(ModeQueryText(""), "");
  EXPECT_EQ(ModeQueryText("   "), "");
  EXPECT_EQ(ModeQueryText("  hart"), "+hart");
  EXPECT_EQ(ModeQueryText("+hart%long"), "+hart%long");
  EXPECT_EQ(ModeQueryText(" -ziekte"), "-ziekte");
  EXPECT_EQ(ModeQueryText("%long"), "%long");
  EXPECT_EQ(ModeQueryText("\"hart\""), "+\"hart\"");
}

TEST(TitleItems, CountTexts) {
  EXPECT_EQ(ContentCountText('A', 312), "Gevonden onder \"A\": 312");
  EXPECT_EQ(ResultCountText(false, "Hart", 4), "Gevonden: 4");
  EXPECT_EQ(ResultCountText(true, "Hart", 4), "Gevonden onder \"Hart\": 4");
  EXPECT_EQ(ResultCountText(true, "", 0), "Gevonden onder \"\": 0");
}

}  // namespace
}  // namespace halvena
