// Finding query terms in dictionary texts with the letter case of ASCII letters ignored, and
// the word boundaries of whole-word terms. Texts and terms are C strings in the dictionary:
// a text ends at its first NUL byte. Plain types; safe from any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace halvena {

// The ASCII lower case of a byte; every other byte is itself.
char AsciiLower(char c);
char AsciiUpper(char c);

// Word characters are the digits, the ASCII letters and the bytes 0x80 to 0xA5; every other
// byte (blank, punctuation, the accented letters from 0xC0 up) is a word boundary.
bool IsWordChar(unsigned char c);

// A text to match: the bytes up to its length or its first NUL, whichever comes first. The
// NUL is looked for only once a term has been found, so that texts without a hit cost a
// single pass per term.
struct TMatchText {
  TMatchText(const char* data, std::size_t size) : Data(data), Size(size) {}
  // Cuts the text at its first NUL byte (once).
  void ClipAtNul();

  const char* Data;
  std::size_t Size;
  bool Clipped = false;
};

// One query term, prepared once per search and then looked for in every text. Holds its own
// lower-cased copy of the term, which is never empty.
class TTermFinder {
 public:
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

  // `term` must not be empty; it is lower-cased (ASCII) here.
  explicit TTermFinder(std::string_view term);

  const std::string& Term() const { return FTerm; }
  // The first position >= from where the term occurs in data[0, size), ASCII letter case
  // ignored; npos when there is none.
  std::size_t Find(const char* data, std::size_t size, std::size_t from) const;

 private:
  bool VerifyAt(const char* at) const;

  std::string FTerm;
  std::uint8_t FFirst, FLast;      // first and last byte of the term
  std::uint8_t FFirstOr, FLastOr;  // 0x20 when that byte is a letter: compare (b | 0x20)
};

// The term occurs in the text as a substring.
bool Occurs(TMatchText& text, const TTermFinder& term);

// The term occurs in the text as a whole word: the byte before it (if any) and the byte after
// it (if any) are no word characters. The bytes of the term itself are not classified.
bool ContainsWord(TMatchText& text, const TTermFinder& term);

}  // namespace halvena
