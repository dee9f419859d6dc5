#include "navigation/TypedSearch.h"

#include "data/Query.h"
#include "navigation/TitleItems.h"

namespace halvena {

TTypedSearchResult RunTypedSearch(TIDbRecFile& store, std::string_view typed,
                                  TProgressGauge* gauge) {
  std::string queryText = TypedSearchQuery(typed);
  TIDbQuery query;
  query.Query = queryText.data();
  query.QueryLen = queryText.size();
  store.Filter(query, gauge);
  TTypedSearchResult result;
  if (store.VisCount < 1) return result;
  store.FillTitleList(2, ' ', result.Items);
  result.Chosen = ChooseTypedResult(result.Items, typed);
  return result;
}

}  // namespace halvena
