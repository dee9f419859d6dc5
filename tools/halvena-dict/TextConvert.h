// Text of open dictionaries made into Halvena's: Unicode to Windows-1252 with the nearest
// plain letter for what the code page cannot hold, and definitions cut into paragraphs.
// One converter per import; not shared between threads.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace halvena::dict {

class TCp1252Converter {
 public:
  // `text` as Windows-1252. UTF-8 sequences are decoded; a byte that starts no valid sequence
  // is kept as it is, a Latin-1 or Windows-1252 character of an older 8-bit dictionary. A character
  // the code page lacks becomes its plain letter where it has one (ā → a, Ł → L, ĳ → ij), a dash or
  // quote for typographic ones, and "?" otherwise; a combining accent is dropped. Each such
  // character counts once in Replaced().
  std::string Convert(std::string_view text);

  std::size_t Replaced() const { return FReplaced; }

 private:
  void Append(char32_t ch, std::string& out);

  std::size_t FReplaced = 0;
};

// The body of an entry from a definition's lines: each line is a paragraph, ended by CR LF
// between paragraphs; blanks and tabs around a line are dropped, runs of empty lines become
// one, and empty lines at the start and the end go. `text` ends lines with LF or CR LF.
std::string LinesToParagraphs(std::string_view text);

// Cuts a body to at most `limit` bytes, at the last paragraph end that fits where there is
// one; answers whether it cut.
bool CutBody(std::string& body, std::size_t limit);

}  // namespace halvena::dict
