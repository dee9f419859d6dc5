#include "output/ClipboardText.h"

#include <gtest/gtest.h>

#include <string>

namespace halvena {
namespace {

const std::string kNotice =
    "\r\n" + std::string(kClipboardNotice1) + "\r\n" + std::string(kClipboardNotice2);

TEST(ClipboardText, NameBlankLineBodyWithoutBracesAndTheNotice) {
  EXPECT_EQ(ClipboardText("Hart", "Zie {Long}\r\nen {Bloed}.\n\xe9"),
            "Hart\r\n\r\nZie Long\r\nen Bloed.\n\xe9" + kNotice);
}

TEST(ClipboardText, EmptyBodyGivesNameTwoLineEndsAndTheNotice) {
  const std::string text = ClipboardText("Hart", "");
  EXPECT_EQ(text, "Hart\r\n\r\n" + kNotice);
  EXPECT_NE(text.back(), '\n');
  EXPECT_EQ(text.find('\0'), std::string::npos);
}

TEST(ClipboardText, NoticeNamesThePublisherAndItsDictionary) {
  for (const std::string_view line : {kClipboardNotice1, kClipboardNotice2}) {
    EXPECT_NE(line.find("Zenta"), std::string_view::npos);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos);
  }
  EXPECT_NE(kClipboardNotice2.find("woordenboek"), std::string_view::npos);
}

}  // namespace
}  // namespace halvena
