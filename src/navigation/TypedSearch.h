// The keyword search that Enter in the keyword field starts: the typed text becomes one required
// whole-word term, the store is filtered with it, every visible record is listed and one result
// is chosen to show. The window and `halvena-dict search` both run it. User-interface thread
// only, like the store.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/ProgressGauge.h"
#include "data/IDbRecs.h"

namespace halvena {

struct TTypedSearchResult {
  // "N|Title" of every record that passed, in file order.
  std::vector<std::string> Items;
  // Index into Items of the result to show (ChooseTypedResult); -1 when nothing passed.
  int Chosen = -1;
};

// Filters `store` with the query of `typed` (Windows-1252, any length: the query is never cut)
// and lists the result. `gauge` (may be null, not owned) shows the filter's progress. The store
// keeps the visibility of this search.
TTypedSearchResult RunTypedSearch(TIDbRecFile& store, std::string_view typed,
                                  TProgressGauge* gauge);

}  // namespace halvena
