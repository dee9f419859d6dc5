// The files of a StarDict dictionary: `name.ifo` (what the dictionary holds), `name.idx`
// (headwords with the offset and size of their data, sorted), `name.dict` or `name.dict.dz`
// (the data) and optionally `name.syn` (more headwords for entries of the index). Plain
// functions; safe from any thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "halvena-dict/Dictd.h"

namespace halvena::dict {

// The `.ifo` fields the import needs.
struct TStarDictInfo {
  std::string Version;  // "2.4.2" or "3.0.0"
  std::string BookName;
  std::uint64_t WordCount = 0;
  std::uint64_t SynWordCount = 0;
  std::uint64_t IdxFileSize = 0;
  int IdxOffsetBits = 32;        // 64 only with version 3.0.0
  std::string SameTypeSequence;  // empty: every entry names the type of each of its fields
};

// Parses an `.ifo` file. Throws TImportError naming `file` for a missing first line, an
// unknown version, a missing or bad count or size, or a bad idxoffsetbits.
TStarDictInfo ParseStarDictIfo(const std::string& file, std::string_view content);

// The entries of an `.idx` file: a headword of fewer than 256 bytes ended by a NUL, the
// offset (32 or 64 bits) and the size (32 bits), big-endian. Throws TImportError naming
// `file` when the file's size or its number of entries is not what the `.ifo` says, or an
// entry is cut short.
std::vector<TIndexEntry> ParseStarDictIdx(const std::string& file, std::string_view content,
                                          const TStarDictInfo& info);

// One headword of a `.syn` file and the number (from 0) of the `.idx` entry it names.
struct TSynonym {
  std::string Word;
  std::uint32_t Entry = 0;
};

// Parses a `.syn` file: headwords ended by a NUL, each followed by a 32-bit big-endian entry
// number. Throws TImportError naming `file` for an entry cut short, an entry number not
// below `entryCount`, or a count other than `info.SynWordCount`.
std::vector<TSynonym> ParseStarDictSyn(const std::string& file, std::string_view content,
                                       const TStarDictInfo& info, std::size_t entryCount);

// One field of an entry's data: its type letter and its bytes.
struct TStarDictField {
  char Type = 0;
  std::string_view Data;
};

// The fields of one entry's data, by `sameTypeSequence` when the `.ifo` gives one and by the
// type letter before each field otherwise. A lower-case type's field ends at a NUL (the last
// one of a sequence at the end of the data), an upper-case one has a 32-bit big-endian size
// before it (the last one of a sequence again none). Throws TImportError naming `file` for
// a field cut short.
std::vector<TStarDictField> SplitStarDictEntry(const std::string& file, std::string_view data,
                                               std::string_view sameTypeSequence);

// Whether the import reads fields of `type`: plain text (m, l, t), Pango markup (g) and XDXF
// (x). Otherwise the name of the type, for the message that refuses it.
bool IsReadableStarDictType(char type);
std::string StarDictTypeName(char type);

// The text of a field of a readable type, as UTF-8 (or the bytes as they are for type l):
// markup tags dropped, entities decoded, XDXF's <kref>word</kref> made a cross-reference
// "{word}", and braces of the text itself made parentheses, so that they mark nothing.
std::string StarDictFieldText(const TStarDictField& field);

// The order of StarDict's index: ASCII letter case ignored first, then byte by byte.
bool StarDictLess(std::string_view a, std::string_view b);

}  // namespace halvena::dict
