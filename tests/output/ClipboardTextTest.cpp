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

}  // namespace
}  // namespace halvena
