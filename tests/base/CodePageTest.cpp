#include "base/CodePage.h"

#include <gtest/gtest.h>

namespace halvena {
namespace {

TEST(CodePage, EveryByteRoundTripsThroughUtf8) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  std::string back;
  ASSERT_TRUE(Utf8ToCp1252(Cp1252ToUtf8(all), back).ok);
  EXPECT_EQ(back, all);
}

TEST(CodePage, HighControlRangeFollowsTheEncodingStandard) {
  EXPECT_EQ(Cp1252ToUnicode(0x80), U'€');
  EXPECT_EQ(Cp1252ToUnicode(0x93), U'\u201C');
  EXPECT_EQ(Cp1252ToUnicode(0x9F), U'Ÿ');
  // The five bytes without a printable character keep their C1 control.
  for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) EXPECT_EQ(Cp1252ToUnicode(b), b);
  EXPECT_EQ(Cp1252ToUnicode(0xE9), U'é');
  EXPECT_EQ(UnicodeToCp1252(U'é'), 0xE9);
  EXPECT_EQ(UnicodeToCp1252(U'€'), 0x80);
  EXPECT_EQ(UnicodeToCp1252(0x80), -1);  // the C1 control U+0080 has no byte: 0x80 is €
}

TEST(CodePage, ReportsTheFirstCharacterThatDoesNotFit) {
  std::string out;
  const TCp1252Result r = Utf8ToCp1252("caf\xC3\xA9 \xE2\x86\x92 x", out);  // "café → x"
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.errorOffset, 6u);
  EXPECT_EQ(r.badChar, U'\u2192');
}

TEST(CodePage, RejectsMalformedUtf8) {
  std::string out;
  for (const char* bad : {"\xC3", "\xC0\x80", "\xED\xA0\x80", "\xF8\x88\x80\x80\x80", "a\x80"}) {
    const TCp1252Result r = Utf8ToCp1252(bad, out);
    EXPECT_FALSE(r.ok) << bad;
    EXPECT_EQ(r.badChar, 0u);
  }
}

}  // namespace
}  // namespace halvena
