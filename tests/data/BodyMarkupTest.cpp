#include "data/BodyMarkup.h"

#include <gtest/gtest.h>

namespace halvena {
namespace {

using Refs = std::vector<std::string>;

TEST(BodyMarkup, CrossReferencesAreTheTextsBetweenBraces) {
  EXPECT_EQ(CrossRefTexts("Zie {Hart} en {longen}."), (Refs{"Hart", "longen"}));
  EXPECT_EQ(CrossRefTexts("{Hart}"), (Refs{"Hart"}));
  EXPECT_EQ(CrossRefTexts("open {Lever"), (Refs{"Lever"}));  // runs to the end
  EXPECT_EQ(CrossRefTexts("laatste {"), Refs{});             // "{" as the last byte
  EXPECT_EQ(CrossRefTexts("{a{b} c}"), (Refs{"a{b"}));       // "{" inside is text
  EXPECT_EQ(CrossRefTexts("{}"), (Refs{""}));
  EXPECT_EQ(CrossRefTexts(std::string("{a}\0{b}", 7)), (Refs{"a"}));
  EXPECT_EQ(CrossRefTexts("geen"), Refs{});
}

}  // namespace
}  // namespace halvena
