// `halvena-dict import`: a dictd or StarDict dictionary read into entries for the writer of
// `halvena-dict build`. Plain functions; one import per thread.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "halvena-dict/DictSource.h"

namespace halvena::dict {

// What an import read.
struct TImported {
  std::vector<TSourceEntry> Entries;  // in the source's order, Ids not yet assigned
  std::size_t Replaced = 0;           // characters Windows-1252 could not hold
  std::size_t CutBodies = 0;          // definitions cut to the largest body a record holds
};

// The largest definition read, in bytes; a longer one is refused as a lying index.
constexpr std::size_t kMaxDefinitionBytes = 16u << 20;

// Reads the dictionary of `source`: a dictd index (`name.index`, data in `name.dict.dz` or
// `name.dict` beside it) or a StarDict `.ifo` (`name.idx` or `name.idx.gz`, `name.dict.dz`
// or `name.dict`, and `name.syn` when there is one). The headword is the title and the
// definition the body, its lines as paragraphs; a dictd definition's "{word}" stays a
// cross-reference, and a StarDict synonym becomes an entry whose body refers to its entry.
// dictd's own "00-database-..." entries are left out. Throws TImportError ("FILE: reason").
TImported ImportDictionary(const std::string& source);
TImported ImportDictd(const std::string& indexPath);
TImported ImportStarDict(const std::string& ifoPath);

// Writes `entries` as a dictionary file at `output`, as `halvena-dict build` does: Ids
// assigned, in dictionary order with `sort`, written beside the target and renamed, so that
// a failure leaves no file. Throws TImportError.
void WriteDictionaryFile(std::vector<TSourceEntry> entries, bool sort, const std::string& output);

}  // namespace halvena::dict
