#include "data/Substitution.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace halvena {
namespace {

TEST(Substitution, IsAPermutationWithItsInverse) {
  std::set<int> images;
  for (int b = 0; b < 256; ++b) {
    const std::uint8_t stored = SubstituteByte(static_cast<std::uint8_t>(b));
    images.insert(stored);
    EXPECT_EQ(RestoreByte(stored), b);
  }
  EXPECT_EQ(images.size(), 256u);
}

TEST(Substitution, StoredTextDoesNotReadAsPlainText) {
  int unchanged = 0;
  for (int b = 0; b < 256; ++b) unchanged += SubstituteByte(static_cast<std::uint8_t>(b)) == b;
  EXPECT_LT(unchanged, 4);
}

TEST(Substitution, RestoreBytesMatchesTheByteFunctionAtEveryLength) {
  for (std::size_t len = 0; len < 70; ++len) {
    std::string stored, plain(len, '\0');
    for (std::size_t i = 0; i < len; ++i)
      stored += static_cast<char>(SubstituteByte(static_cast<std::uint8_t>(i * 37)));
    RestoreBytes(plain.data(), stored.data(), len);
    for (std::size_t i = 0; i < len; ++i)
      ASSERT_EQ(static_cast<std::uint8_t>(plain[i]), static_cast<std::uint8_t>(i * 37));
    RestoreBytes(stored.data(), stored.data(), len);  // in place
    EXPECT_EQ(stored, plain);
  }
}

}  // namespace
}  // namespace halvena
