#include "data/Query.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace halvena {
namespace {

bool IsOperator(char c) {
  return c == '+' || c == '-' || c == '%';
}

bool AllOccur(const std::vector<TTermFinder>& terms, TMatchText& text) {
  return std::all_of(terms.begin(), terms.end(),
                     [&](const TTermFinder& t) { return Occurs(text, t); });
}
bool AllWords(const std::vector<TTermFinder>& terms, TMatchText& text) {
  return std::all_of(terms.begin(), terms.end(),
                     [&](const TTermFinder& t) { return ContainsWord(text, t); });
}
bool AnyOccurs(const std::vector<TTermFinder>& terms, TMatchText& text) {
  return std::any_of(terms.begin(), terms.end(),
                     [&](const TTermFinder& t) { return Occurs(text, t); });
}
bool AnyWord(const std::vector<TTermFinder>& terms, TMatchText& text) {
  return std::any_of(terms.begin(), terms.end(),
                     [&](const TTermFinder& t) { return ContainsWord(text, t); });
}

}  // namespace

void LowerQueryText(TIDbQuery& query) {
  if (query.Query == nullptr) return;
  for (std::size_t i = 0; i < query.QueryLen; ++i) query.Query[i] = AsciiLower(query.Query[i]);
}

TParsedQuery::TParsedQuery(const TIDbQuery& query) {
  FNoQueryText = query.QueryLen == 0;
  if (query.Scope != nullptr && query.ScopeLen > 0) {
    FScopeGiven = query.Scope[0] != '|' && query.Scope[0] != '\0';
  }
  FQueryNull = query.Query == nullptr;
  if (FQueryNull || query.QueryLen <= 1) return;

  const char* q = query.Query;
  const std::size_t len = query.QueryLen;
  std::size_t pos = 0;
  while (pos < len) {
    const char op = q[pos++];
    if (!IsOperator(op)) continue;
    std::size_t start;
    bool word;
    if (pos < len && q[pos] == '"') {
      word = true;
      start = ++pos;
      while (pos < len && q[pos] != '"') ++pos;
      AddTerm(op, word, q + start, q + pos);
      if (pos < len) ++pos;  // the closing quote
    } else {
      word = false;
      start = pos;
      while (pos < len && !IsOperator(q[pos]) && q[pos] != '"') ++pos;
      AddTerm(op, word, q + start, q + pos);
      if (pos < len && q[pos] == '"') ++pos;
    }
  }
  FTaken = {};  // only needed while the terms are taken
}

std::vector<TTermFinder>& TParsedQuery::TermSet(char op, bool word) {
  if (op == '+') return word ? FRequiredWord : FRequiredSub;
  if (op == '%') return word ? FAltWord : FAltSub;
  return word ? FExclWord : FExclSub;
}

const std::vector<TTermFinder>& TParsedQuery::Terms(char op, bool word) const {
  if (op == '+') return word ? FRequiredWord : FRequiredSub;
  if (op == '%') return word ? FAltWord : FAltSub;
  return word ? FExclWord : FExclSub;
}

void TParsedQuery::AddTerm(char op, bool word, const char* begin, const char* end) {
  const auto* nul = static_cast<const char*>(std::memchr(begin, 0, end - begin));
  if (nul != nullptr) end = nul;
  if (begin == end) return;
  std::vector<TTermFinder>& set = TermSet(op, word);
  TTermFinder term(std::string_view(begin, end - begin));
  // The set's byte: the six sets are told apart by the operator and the word flag.
  const char setByte = static_cast<char>((op == '+' ? 0 : op == '%' ? 2 : 4) + (word ? 1 : 0));
  if (!FTaken.insert(setByte + term.Term()).second) return;
  set.push_back(std::move(term));
}

bool TParsedQuery::MatchesQuery(TMatchText& text) const {
  if (FNoQueryText) return FScopeGiven;
  if (FQueryNull || text.Size == 0) return false;
  const bool required = AllOccur(FRequiredSub, text) && AllWords(FRequiredWord, text);
  if (!required) return false;
  const bool alternative =
      (FAltSub.empty() && FAltWord.empty()) || AnyOccurs(FAltSub, text) || AnyWord(FAltWord, text);
  if (!alternative) return false;
  return !AnyOccurs(FExclSub, text) && !AnyWord(FExclWord, text);
}

}  // namespace halvena
