// Text of open dictionaries to Windows-1252, and definitions to paragraphs.
#include "halvena-dict/TextConvert.h"

#include <gtest/gtest.h>

namespace halvena::dict {
namespace {

TEST(Cp1252Converter, KeepsWhatTheCodePageHoldsAndCountsTheRest) {
  TCp1252Converter c;
  EXPECT_EQ(c.Convert("caf\xC3\xA9 \xE2\x80\x9C\xE2\x82\xAC\xE2\x80\x9D \xC5\x93"),
            "caf\xE9 \x93\x80\x94 \x9C"
            "");
  EXPECT_EQ(c.Replaced(), 0u);
  // ā → a, Ł → L, ĳ → ij, ṣ → s, ɑ → a, α and 中 → ?, e + combining acute → e.
  EXPECT_EQ(
      c.Convert("\xC4\x81 \xC5\x81 \xC4\xB3 \xE1\xB9\xA3 \xC9\x91 \xCE\xB1 \xE4\xB8\xAD e\xCC\x81"),
      "a L ij s a ? ? e");
  EXPECT_EQ(c.Replaced(), 8u);
  // A byte that is no UTF-8 is an older dictionary's own character; U+0085 is a control.
  EXPECT_EQ(c.Convert("\xE9t\xE9 \xC2\x85"), "\xE9t\xE9 ?");
  EXPECT_EQ(c.Replaced(), 9u);
  EXPECT_EQ(c.Convert("\xE2\x94\x80\xE2\x94\x82\xE2\x94\xBC"), "-|+");
}

TEST(Paragraphs, LinesBecomeParagraphs) {
  EXPECT_EQ(LinesToParagraphs("\n  hart\r\n   Een spier.\t\n\n\n\n  Zie {long}.  \n\n"),
            "hart\r\nEen spier.\r\n\r\nZie {long}.");
  EXPECT_EQ(LinesToParagraphs(" \n\t\n"), "");
  std::string body = "een\r\ntwee\r\ndrie";
  EXPECT_FALSE(CutBody(body, 100));
  EXPECT_TRUE(CutBody(body, 12));
  EXPECT_EQ(body, "een\r\ntwee");
  body = std::string(50, 'x');
  EXPECT_TRUE(CutBody(body, 20));
  EXPECT_EQ(body.size(), 20u);
}

}  // namespace
}  // namespace halvena::dict
