// The index of a dictd dictionary (`name.index`): one line per entry, the headword, the
// offset and the length of its definition in the data file, separated by tabs, the numbers
// written in base 64 ("A" = 0 ... "/" = 63, most significant digit first). A fourth field,
// where present, is the headword as it was before the index was folded. Plain functions;
// safe from any thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace halvena::dict {

// One entry of an index: where its definition lies in the (uncompressed) data.
struct TIndexEntry {
  std::string Headword;  // as the index has it (UTF-8 or Latin-1)
  std::uint64_t Offset = 0;
  std::uint64_t Length = 0;
};

// The value of a dictd base-64 number, or false for an empty number, a character that is no
// base-64 digit, or a value beyond 2^60.
bool DecodeDictdNumber(std::string_view digits, std::uint64_t& value);

// The entries of a dictd index in index order, the database's own "00-database-..." entries
// included. Throws TImportError naming `file` and the line for a line without the three
// fields, an empty headword or a bad number.
std::vector<TIndexEntry> ParseDictdIndex(const std::string& file, std::string_view content);

// Whether a headword names one of dictd's own entries about the database ("00-database-info",
// "00databaseshort", "00-gcide-long": "00-" and lower-case letters, digits and dashes only),
// which are no dictionary entries.
bool IsDictdDatabaseEntry(std::string_view headword);

}  // namespace halvena::dict
