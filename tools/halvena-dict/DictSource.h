// Dictionary sources of halvena-dict: the entries read from `.txt` and `.jsonl` files, and the
// same entries written back in either form. Texts are Windows-1252 byte strings inside; the
// files are UTF-8.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace halvena::dict {

// An error in a source file, with the place it was found; the tool prints what() and exits 2.
class TDictError : public std::runtime_error {
 public:
  TDictError(const std::string& file, int line, const std::string& reason);
};

// One entry as read from a source.
struct TSourceEntry {
  std::uint32_t Id = 0;  // 0: to be assigned
  std::string Key;       // Windows-1252
  std::string Text;      // Windows-1252, paragraphs ended by CR LF
  std::string File;
  int Line = 0;
};

// Parses a `.txt` source (see content/README.md); throws TDictError.
std::vector<TSourceEntry> ParseTxtSource(const std::string& file, std::string_view content);
// Parses a `.jsonl` source, one object {"id": N, "key": "...", "text": "..."} per line;
// throws TDictError.
std::vector<TSourceEntry> ParseJsonlSource(const std::string& file, std::string_view content);

// One entry to write back.
struct TDumpEntry {
  std::uint32_t Id = 0;
  std::string_view Key;
  std::string_view Text;
};

// The `.txt` form of one entry: a header line with its Id (left out when 0) and the body, each
// paragraph on one line, escaped wherever plain text would read back differently; entries are
// separated by an empty line.
std::string FormatTxtEntry(const TDumpEntry& entry);
// The `.jsonl` line of one entry, with its line end.
std::string FormatJsonlEntry(const TDumpEntry& entry);

}  // namespace halvena::dict
