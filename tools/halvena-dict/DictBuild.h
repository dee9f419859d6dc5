// The steps of `halvena-dict build` between reading the sources and writing the file: Ids,
// dictionary order and the checks that only warn.
#pragma once

#include <string>
#include <vector>

#include "halvena-dict/DictSource.h"

namespace halvena::dict {

// Gives every entry without an Id the smallest unused one, in source order. Throws TDictError
// on an Id given twice.
void AssignIds(std::vector<TSourceEntry>& entries);

// Puts the entries in dictionary order of their titles: letter case and accents ignored
// ("Écho" with "echo"), digits and other characters by their code, stable for equal titles.
void SortEntries(std::vector<TSourceEntry>& entries);

// The sort key of a Windows-1252 title.
std::string FoldForSorting(std::string_view title);

// The warnings of a dictionary, "FILE:LINE: warning: reason", in source order: a title that
// does not begin with A-Z, a title given twice, an entry without body, a cross-reference that
// names no title (letter case ignored).
std::vector<std::string> CheckEntries(const std::vector<TSourceEntry>& entries);

}  // namespace halvena::dict
