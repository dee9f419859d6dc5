// The keyword query of the record store: the query record that Filter takes, and the query
// parsed into its six term sets, matched against one text at a time. User-interface thread
// only, like the store.
//
// The language: "+" starts a required term, "%" an alternative term (at least one of them
// must occur), "-" an excluded term. A term in double quotes is a whole word; otherwise it is
// a substring that runs up to the next operator or double quote, blanks included.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_set>
#include <vector>

#include "data/TextSearch.h"

namespace halvena {

// The argument of TIDbRecFile::Filter. The texts are the caller's; Filter lower-cases `Query`
// in place. The lengths are wide so that no query text is ever cut or wrapped.
struct TIDbQuery {
  char* Scope = nullptr;  // only whether its part before the first "|" is empty matters
  std::size_t ScopeLen = 0;
  char* Query = nullptr;
  std::size_t QueryLen = 0;
};

// A query ready for matching: parsed once per Filter run.
class TParsedQuery {
 public:
  // Parses query.Query[0, QueryLen); the caller has lower-cased it. Terms end at a NUL byte
  // like the texts they are looked for in; an empty term is dropped, and so is a term already
  // in its set.
  explicit TParsedQuery(const TIDbQuery& query);

  // Whether one text (a body or a title) passes the query. Without query text the answer is
  // whether a scope was given, whatever the text; otherwise an empty text never passes, and a
  // query without terms passes every non-empty text.
  bool MatchesQuery(TMatchText& text) const;

  // The terms of the set of operator `op` ('+', '%' or '-'), whole words or substrings, in
  // query order, each once.
  const std::vector<TTermFinder>& Terms(char op, bool word) const;

 private:
  void AddTerm(char op, bool word, const char* begin, const char* end);
  std::vector<TTermFinder>& TermSet(char op, bool word);

  bool FNoQueryText = true;  // QueryLen is 0
  bool FScopeGiven = false;  // the scope's part before "|" is not empty
  bool FQueryNull = false;   // QueryLen > 0 but no text
  std::vector<TTermFinder> FRequiredSub, FRequiredWord;
  std::vector<TTermFinder> FAltSub, FAltWord;
  std::vector<TTermFinder> FExclSub, FExclWord;
  // Every term taken, behind a byte naming its set, so that a repeated term is found at once.
  std::unordered_set<std::string> FTaken;
};

// Lower-cases the ASCII letters of the query text in place.
void LowerQueryText(TIDbQuery& query);

}  // namespace halvena
