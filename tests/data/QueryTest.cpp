#include "data/Query.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

namespace halvena {
namespace {

// Whether `text` passes the query `queryText` (with or without a scope), judged the way the
// store judges a body or a title.
bool Passes(std::string queryText, const std::string& text, const char* scope = nullptr) {
  std::string scopeText = scope ? scope : "";
  TIDbQuery query;
  if (scope) {
    query.Scope = scopeText.data();
    query.ScopeLen = scopeText.size();
  }
  if (!queryText.empty()) {
    query.Query = queryText.data();
    query.QueryLen = queryText.size();
  }
  LowerQueryText(query);
  const TParsedQuery parsed(query);
  TMatchText t(text.data(), text.size());
  return parsed.MatchesQuery(t);
}

struct Case {
  const char* name;
  const char* query;
  const char* text;
  bool passes;
};

class QueryLanguage : public ::testing::TestWithParam<Case> {};

TEST_P(QueryLanguage, JudgesTheText) {
  const Case& c = GetParam();
  EXPECT_EQ(Passes(c.query, c.text), c.passes) << c.query << " on '" << c.text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QueryLanguage,
    ::testing::Values(Case{"SubstringInsideWord", "+hart", "hartslag", true},
                      Case{"SubstringIgnoresCase", "+hart", "Hart", true},
                      Case{"QueryCaseIgnored", "+HART", "het hart", true},
                      Case{"WordAlone", "+\"hart\"", "de hart.", true},
                      Case{"WordNotInsideLongerWord", "+\"hart\"", "hartslag", false},
                      Case{"BlankBelongsToTerm", "+hart -long", "de hart klopt", true},
                      Case{"BlankBelongsToTermMissing", "+hart -long", "hartslag", false},
                      Case{"ExcludedTermPresent", "+hart -long", "hart en long", false},
                      Case{"EitherAlternativeFirst", "%long%hart", "de long", true},
                      Case{"EitherAlternativeSecond", "%long%hart", "het hart", true},
                      Case{"NoAlternative", "%long%hart", "de lever", false},
                      Case{"LoneAlternativeIsRequired", "%long-ziekte", "de lever", false},
                      Case{"LoneAlternativePresent", "%long-ziekte", "de long", true},
                      Case{"ExclusionAfterAlternative", "%long-ziekte", "longziekte", false},
                      Case{"MinusAlwaysStartsATerm", "+x-ray", "x", true},
                      Case{"MinusExcludesTheRest", "+x-ray", "x-ray", false},
                      Case{"TwoQuotedWords", "+\"long hart\"", "de long hart.", true},
                      Case{"TwoQuotedWordsApart", "+\"long hart\"", "de long en hart", false},
                      Case{"TwoQuotedWordsTwoBlanks", "+\"long hart\"", "long  hart", false},
                      Case{"TwoQuotedWordsInLongerWord", "+\"long hart\"", "long harten", false},
                      Case{"LoneOperatorPassesEveryText", "+", "iets", true},
                      Case{"EmptyQuotedTermPassesEveryText", "+\"\"", "iets", true},
                      Case{"UnterminatedQuoteIsAWord", "+\"hart", "het hart", true},
                      Case{"UnterminatedQuoteStillWhole", "+\"hart", "hartslag", false},
                      Case{"QuoteEndsASubstringTerm", "+hart\"long", "hart", true},
                      Case{"TextWithoutOperatorIsSkipped", "hart", "long", true},
                      Case{"RequiredAndAlternative", "+lever%galblaas%gal", "lever en gal", true},
                      Case{"RequiredWithoutAlternative", "+lever%galblaas", "lever", false},
                      Case{"ExcludedWord", "+lever-\"gal\"", "lever met galblaas", true},
                      Case{"ExcludedWordPresent", "+lever-\"gal\"", "lever en gal", false},
                      Case{"AlternativeWord", "%\"oog\"%\"ogen\"", "twee ogen", true}),
    [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

TEST(QueryScope, EmptyQueryPassesEverythingExactlyWhenAScopeIsGiven) {
  EXPECT_TRUE(Passes("", "", "A"));
  EXPECT_TRUE(Passes("", "iets", "A|x"));
  EXPECT_FALSE(Passes("", "iets", nullptr));
  EXPECT_FALSE(Passes("", "iets", "|A"));  // only the part before "|" counts
  EXPECT_FALSE(Passes("", "iets", ""));
}

TEST(QueryScope, EmptyTextNeverPassesAQuery) {
  EXPECT_FALSE(Passes("+", "", "A"));
  EXPECT_FALSE(Passes("-x", ""));
}

TEST(QueryText, IsLowerCasedInPlaceForAsciiOnly) {
  std::string text = "+HART\xC9";
  TIDbQuery query;
  query.Query = text.data();
  query.QueryLen = text.size();
  LowerQueryText(query);
  EXPECT_EQ(text, "+hart\xC9");
}

TEST(QueryText, NoTextWithALengthPassesNothing) {
  TIDbQuery query;
  query.QueryLen = 5;
  const TParsedQuery parsed(query);
  std::string text = "hart";
  TMatchText t(text.data(), text.size());
  EXPECT_FALSE(parsed.MatchesQuery(t));
}

TEST(QueryText, LongerThanSixteenBitsIsNotWrapped) {
  // A 16-bit length would wrap to 6 and see only the first term; bytes without an operator
  // in between are skipped.
  const std::string query = "+\"abc\"" + std::string(65536 - 6, 'x') + "-\"abc\"";
  ASSERT_EQ(query.size() % 65536, 6u);
  EXPECT_FALSE(Passes(query, "abc"));
  const std::string longer = "+\"abc\"" + std::string(70000, 'x') + "+\"long\"";
  EXPECT_TRUE(Passes(longer, "long abc"));
  EXPECT_FALSE(Passes(longer, "abc"));
}

TEST(QueryText, TermsStopAtANulByte) {
  EXPECT_TRUE(Passes(std::string("+hart\0xyz", 9), "het hart"));
  EXPECT_TRUE(Passes(std::string("+\0", 2), "iets"));  // the term is empty and dropped
}

// The six term sets read the plain way: the query scanned as the store reads it, and a term
// dropped when an earlier term of its set is equal, found by looking at every earlier term.
// Sets in the order + substring, + word, % substring, % word, - substring, - word.
std::array<std::vector<std::string>, 6> PlainTermSets(const std::string& q) {
  std::array<std::vector<std::string>, 6> sets;
  auto add = [&](char op, bool word, std::string term) {
    term = term.substr(0, term.find('\0'));
    for (char& c : term) c = AsciiLower(c);
    if (term.empty()) return;
    auto& set = sets[(op == '+' ? 0 : op == '%' ? 2 : 4) + (word ? 1 : 0)];
    for (const std::string& earlier : set) {
      if (earlier == term) return;
    }
    set.push_back(term);
  };
  auto isOperator = [](char c) { return c == '+' || c == '-' || c == '%'; };
  if (q.size() <= 1) return sets;
  std::size_t pos = 0;
  while (pos < q.size()) {
    const char op = q[pos++];
    if (!isOperator(op)) continue;
    const bool word = pos < q.size() && q[pos] == '"';
    if (word) ++pos;
    const std::size_t start = pos;
    while (pos < q.size() && q[pos] != '"' && (word || !isOperator(q[pos]))) ++pos;
    add(op, word, q.substr(start, pos - start));
    if (pos < q.size() && q[pos] == '"') ++pos;
  }
  return sets;
}

TEST(QueryTerms, EachTermOnceInQueryOrderAsThePlainReadingFindsThem) {
  std::mt19937 random(20261207);
  const char alphabet[] = {'a', 'b', 'B', ' ', '+', '-', '%', '"', '\0'};
  std::uniform_int_distribution<std::size_t> pick(0, sizeof alphabet - 1);
  std::uniform_int_distribution<std::size_t> length(0, 80);
  for (int round = 0; round < 3000; ++round) {
    std::string text(length(random), ' ');
    for (char& c : text) c = alphabet[pick(random)];
    std::string bytes = text;
    TIDbQuery query;
    query.Query = bytes.data();
    query.QueryLen = bytes.size();
    const TParsedQuery parsed(query);
    const auto expected = PlainTermSets(text);
    for (int set = 0; set < 6; ++set) {
      std::vector<std::string> got;
      for (const TTermFinder& term : parsed.Terms("+%-"[set / 2], set % 2 == 1)) {
        got.push_back(term.Term());
      }
      ASSERT_EQ(got, expected[static_cast<std::size_t>(set)]) << "query: " << text;
    }
  }
}

}  // namespace
}  // namespace halvena
