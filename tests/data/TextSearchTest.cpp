#include "data/TextSearch.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace halvena {
namespace {

// The plain definition the vector search must agree with.
std::size_t NaiveFind(const std::string& text, const std::string& term, std::size_t from) {
  for (std::size_t i = from; i + term.size() <= text.size(); ++i) {
    bool same = true;
    for (std::size_t k = 0; k < term.size() && same; ++k) {
      same = AsciiLower(text[i + k]) == AsciiLower(term[k]);
    }
    if (same) return i;
  }
  return TTermFinder::npos;
}

bool Word(const std::string& text, const std::string& term) {
  TMatchText t(text.data(), text.size());
  return ContainsWord(t, TTermFinder(term));
}

bool Sub(const std::string& text, const std::string& term) {
  TMatchText t(text.data(), text.size());
  return Occurs(t, TTermFinder(term));
}

TEST(TextSearch, FindAgreesWithTheDefinitionAcrossBlockEdges) {
  std::mt19937 rng(1);
  // A small alphabet with case pairs, a non-letter pair that differs only in bit 5 ('@' and
  // '`') and accented letters, so that near misses are common.
  const std::string alphabet = "aAbB@`\xE9\xC9 1";
  for (int round = 0; round < 3000; ++round) {
    std::string text(rng() % 80, ' ');
    for (char& c : text) c = alphabet[rng() % alphabet.size()];
    std::string term(1 + rng() % 5, ' ');
    for (char& c : term) c = alphabet[rng() % alphabet.size()];
    const std::size_t from = rng() % (text.size() + 2);
    ASSERT_EQ(TTermFinder(term).Find(text.data(), text.size(), from), NaiveFind(text, term, from))
        << "text '" << text << "' term '" << term << "' from " << from;
  }
}

TEST(TextSearch, AsciiCaseIsIgnoredButAccentedCaseIsNot) {
  EXPECT_TRUE(Sub("Het HART klopt", "hart"));
  EXPECT_TRUE(Sub("het hart", "HaRt"));
  EXPECT_FALSE(Sub("\xC9\xC9N", "\xE9\xE9n"));  // ÉÉN is not één
  EXPECT_FALSE(Sub("@", "`"));
}

TEST(TextSearch, WholeWordsAreBoundedByNonWordBytes) {
  EXPECT_TRUE(Word("hart", "hart"));            // whole text
  EXPECT_TRUE(Word("de hart.", "hart"));        // punctuation after
  EXPECT_TRUE(Word("hart, long", "hart"));      // at the very start
  EXPECT_TRUE(Word("lever en hart", "hart"));   // at the very end
  EXPECT_FALSE(Word("hartslag", "hart"));       // start of a longer word
  EXPECT_FALSE(Word("zwakhart", "hart"));       // end of a longer word
  EXPECT_TRUE(Word("hartslag, hart", "hart"));  // a later occurrence counts
  EXPECT_FALSE(Word("hart2", "hart"));          // digits are word characters
  EXPECT_FALSE(Word("hart\x94", "hart"));       // 0x80..0xA5 are word characters
  EXPECT_FALSE(Word("\x93hart", "hart"));
  EXPECT_TRUE(Word("hart\xA6", "hart"));  // 0xA6 is not
  EXPECT_TRUE(Word("hart\xE9", "hart"));  // accented letters are boundaries
  EXPECT_TRUE(Word("\xE9hart", "hart"));
  EXPECT_FALSE(Word("de har", "hart"));         // only the start of the term at the end
  EXPECT_TRUE(Word("long hart", "long hart"));  // blanks inside the term
  EXPECT_FALSE(Word("long  hart", "long hart"));
  EXPECT_FALSE(Word("long hartje", "long hart"));
}

TEST(TextSearch, TermCharactersThemselvesAreNotClassified) {
  // A term beginning with a blank needs that blank in the text, and the byte before the
  // blank must still be a boundary.
  EXPECT_TRUE(Word("a. hart", " hart"));
  EXPECT_FALSE(Word("ab hart", " hart"));
  EXPECT_TRUE(Word(" hart", " hart"));
}

TEST(TextSearch, TextsEndAtTheirFirstNul) {
  const std::string text("long\0hart", 9);
  EXPECT_TRUE(Sub(text, "long"));
  EXPECT_FALSE(Sub(text, "hart"));
  EXPECT_FALSE(Word(text, "hart"));
  EXPECT_TRUE(Word(text, "long"));  // the NUL ends the text, so "long" ends a word
}

TEST(TextSearch, TermsLongerThan255BytesMatchInFull) {
  std::string term(300, 'a');
  std::string text = "x " + term + " y";
  EXPECT_TRUE(Word(text, term));
  std::string almost = "x " + term.substr(0, 299) + "b y";
  EXPECT_FALSE(Sub(almost, term));
  // The first 255 bytes agree, the rest does not: no truncated match.
  std::string tail = term;
  tail[280] = 'c';
  EXPECT_FALSE(Sub(text, tail));
}

}  // namespace
}  // namespace halvena
