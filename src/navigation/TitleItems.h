// The items of the title lists ("12|Aambeien": visible number, "|", title) read back, and the
// choice of the result to show after a typed search. Plain functions; safe from any thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace halvena {

// The number before the first "|" as a decimal integer; 0 when it is not one.
std::int32_t ItemNumber(std::string_view item);
// The text after the first "|"; the whole item when it holds none.
std::string_view ItemText(std::string_view item);

// The result to select after the user typed `typed` and pressed Enter: the first item whose
// title equals the typed text, else the first whose title contains it, else the first item,
// all with ASCII letter case ignored. -1 when there are no items.
int ChooseTypedResult(const std::vector<std::string>& items, std::string_view typed);

// The query that pressing Enter runs for the typed text: the whole text as one required
// whole-word term, `+"text"`. Its length is the typed length plus 3.
std::string TypedSearchQuery(std::string_view typed);

}  // namespace halvena
