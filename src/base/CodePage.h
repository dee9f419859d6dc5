// The Windows-1252 code page of the dictionary texts, as the WHATWG Encoding Standard defines
// it: every byte has a character, so any stored text converts to Unicode and back unchanged.
// Plain functions without state; safe from any thread.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace halvena {

// The Unicode character of a Windows-1252 byte.
char32_t Cp1252ToUnicode(unsigned char byte);

// The Windows-1252 byte of a Unicode character, or -1 when the code page has none.
int UnicodeToCp1252(char32_t ch);

// Windows-1252 text as UTF-8.
std::string Cp1252ToUtf8(std::string_view text);

// Result of converting UTF-8 to Windows-1252.
struct TCp1252Result {
  bool ok = true;
  std::size_t errorOffset = 0;  // byte offset in the input of the first bad character
  char32_t badChar = 0;         // the character Windows-1252 cannot hold; 0 for invalid UTF-8
};

// Converts UTF-8 text to Windows-1252 into `out` (replaced). Stops at the first malformed
// UTF-8 sequence or character that Windows-1252 cannot hold and reports where.
TCp1252Result Utf8ToCp1252(std::string_view utf8, std::string& out);

// Decodes the UTF-8 character at byte `pos` of `s` (pos < s.size()) into `ch`; answers the
// number of bytes it takes, or 0 when the bytes there are no well-formed UTF-8 (an overlong
// form, a surrogate or a value above U+10FFFF included).
std::size_t DecodeUtf8(std::string_view s, std::size_t pos, char32_t& ch);

// Appends the UTF-8 form of one Unicode character.
void AppendUtf8(std::string& out, char32_t ch);

}  // namespace halvena
