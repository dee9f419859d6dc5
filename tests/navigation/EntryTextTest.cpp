#include "navigation/EntryText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvena {
namespace {

using TLines = std::vector<std::string>;

// Every byte is 10 pixels wide: a line of n bytes fits a wrap width of 10 n.
int TenPerByte(std::string_view text) {
  return static_cast<int>(text.size()) * 10;
}

TLines Lay(std::string_view body, double wrap = 100) {
  return LayOutLines(body, TenPerByte, wrap);
}

TEST(LineLayout, WordsFillLinesWithTheirBlanks) {
  // "aaa bbb " is 80 wide and fits 90; "ccc " would make 120.
  EXPECT_EQ(Lay("aaa bbb ccc dd", 90), (TLines{"aaa bbb ", "ccc dd"}));
  // The blank that ends a word counts in the width: "aaa bbb " is 80 and does not fit 75.
  EXPECT_EQ(Lay("aaa bbb ccc", 75), (TLines{"aaa ", "bbb ccc"}));
  EXPECT_EQ(Lay(""), TLines{});
  EXPECT_EQ(Lay("woord"), TLines{"woord"});
}

TEST(LineLayout, ParagraphsEndAtCrLfOnly) {
  EXPECT_EQ(Lay("een\r\ntwee"), (TLines{"een", "twee"}));
  // An empty paragraph is an empty line.
  EXPECT_EQ(Lay("een\r\n\r\ntwee"), (TLines{"een", "", "twee"}));
  // A line feed alone neither breaks nor shows; a carriage return alone does not show.
  EXPECT_EQ(Lay("een\ntwee\rdrie", 1000), TLines{"eentweedrie"});
  EXPECT_EQ(Lay("laatste\r\n"), TLines{"laatste"});
}

TEST(LineLayout, AWordTooWideStandsAlone) {
  const std::string wide(12, 'x');
  // At the start of a paragraph the empty pending line goes first.
  EXPECT_EQ(Lay(wide + " kort"), (TLines{"", wide + " ", "kort"}));
  EXPECT_EQ(Lay("kort " + wide), (TLines{"kort ", wide}));
  EXPECT_EQ(Lay("kort\r\n" + wide + "\r\nna"), (TLines{"kort", "", wide, "na"}));
}

TEST(LineLayout, BracesVanishAndOnlyTheBlankSeparates) {
  EXPECT_EQ(Lay("zie {Hart} en {long}", 1000), TLines{"zie Hart en long"});
  EXPECT_EQ(Lay("a\tb c", 40), (TLines{"a\tb ", "c"}));
  // A "|" in a body line is kept here; the drawing shows what follows it.
  EXPECT_EQ(Lay("x|y"), TLines{"x|y"});
  // The body ends at its first NUL.
  EXPECT_EQ(Lay(std::string_view("voor\0na", 7)), TLines{"voor"});
}

TEST(LineLayout, PaddingFillsTheHeight) {
  TLines lines{"een"};
  PadLines(lines, 16, 271);  // 17 rows of 16 reach 272
  EXPECT_EQ(lines.size(), 17u);
  EXPECT_EQ(lines[16], "");
  PadLines(lines, 16, 100);
  EXPECT_EQ(lines.size(), 17u);
  TLines none;
  PadLines(none, 0, 100);
  EXPECT_TRUE(none.empty());
}

TEST(CrossReferences, ListedOnceSortedWithACapital) {
  EXPECT_EQ(CrossRefList("Zie {long}, {Hart}, {hart} en {Long}."), (TLines{"Hart", "Long"}));
  EXPECT_EQ(CrossRefList("{zenuw} {aorta} {Milt}"), (TLines{"Aorta", "Milt", "Zenuw"}));
  EXPECT_EQ(CrossRefList("geen verwijzingen"), TLines{});
}

TEST(CrossReferences, EdgesOfTheBraces) {
  // "{" as the last byte names nothing; without "}" the rest of the body is the reference.
  EXPECT_EQ(CrossRefList("zie {"), TLines{});
  EXPECT_EQ(CrossRefList("zie {nier en blaas"), TLines{"Nier en blaas"});
  // An empty reference is left out; those around it count.
  EXPECT_EQ(CrossRefList("{milt}{}{lever}"), (TLines{"Lever", "Milt"}));
  // Another "{" inside is part of the text; only ASCII letters get a capital.
  EXPECT_EQ(CrossRefList("{a{b}"), TLines{"A{b"});
  EXPECT_EQ(CrossRefList("{\xe9tage}"), TLines{"\xe9tage"});
}

}  // namespace
}  // namespace halvena
