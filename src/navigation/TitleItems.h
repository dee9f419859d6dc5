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

// The first item whose title, in ASCII upper case, equals `upperTitle`; -1 when none does.
int FindTitle(const std::vector<std::string>& items, std::string_view upperTitle);

// The text in ASCII upper case; other bytes stay.
std::string UpperAscii(std::string_view text);

// The letter button to open before looking up `upperTitle` in a contents list whose first item
// is `firstItem` (empty for an empty list): the title's first letter when the list is empty or
// starts with another first character, as long as that is "A" to "Z"; otherwise '\0', no
// switch.
char LetterToOpen(std::string_view firstItem, std::string_view upperTitle);

// The query that the contents refresh and a figure or mode query run for the text of the
// keyword field: leading blanks gone, and "+" in front unless the rest is empty or starts with
// an operator ("+", "-", "%"). The field gets this text back.
std::string ModeQueryText(std::string_view field);

// The count under the contents list: Gevonden onder "A": 312.
std::string ContentCountText(char letter, int count);
// The count under the result list: in anatomy mode Gevonden onder "organ": 4, otherwise
// Gevonden: 4.
std::string ResultCountText(bool anatomy, std::string_view organ, int count);

// The query that pressing Enter runs for the typed text: the whole text as one required
// whole-word term, `+"text"`. Its length is the typed length plus 3.
std::string TypedSearchQuery(std::string_view typed);

}  // namespace halvena
