#include "data/TextSearch.h"

#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace halvena {
namespace {

constexpr std::array<std::uint8_t, 256> MakeLowerTable() {
  std::array<std::uint8_t, 256> t{};
  for (int i = 0; i < 256; ++i) t[i] = static_cast<std::uint8_t>(i >= 'A' && i <= 'Z' ? i + 32 : i);
  return t;
}
constexpr std::array<std::uint8_t, 256> kLower = MakeLowerTable();

constexpr std::array<bool, 256> MakeWordTable() {
  std::array<bool, 256> t{};
  for (int i = 0; i < 256; ++i) {
    t[i] = (i >= '0' && i <= '9') || (i >= 'A' && i <= 'Z') || (i >= 'a' && i <= 'z') ||
           (i >= 0x80 && i <= 0xA5);
  }
  return t;
}
constexpr std::array<bool, 256> kWordChar = MakeWordTable();

bool IsLowerLetter(std::uint8_t c) {
  return c >= 'a' && c <= 'z';
}

}  // namespace

char AsciiLower(char c) {
  return static_cast<char>(kLower[static_cast<std::uint8_t>(c)]);
}

char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

bool IsWordChar(unsigned char c) {
  return kWordChar[c];
}

void TMatchText::ClipAtNul() {
  if (Clipped) return;
  Clipped = true;
  if (const void* nul = std::memchr(Data, 0, Size)) {
    Size = static_cast<std::size_t>(static_cast<const char*>(nul) - Data);
  }
}

TTermFinder::TTermFinder(std::string_view term) : FTerm(term) {
  for (char& c : FTerm) c = AsciiLower(c);
  FFirst = static_cast<std::uint8_t>(FTerm.front());
  FLast = static_cast<std::uint8_t>(FTerm.back());
  FFirstOr = IsLowerLetter(FFirst) ? 0x20 : 0;
  FLastOr = IsLowerLetter(FLast) ? 0x20 : 0;
}

// The inner bytes of the term (between first and last) match at `at`.
bool TTermFinder::VerifyAt(const char* at) const {
  const std::size_t n = FTerm.size();
  for (std::size_t k = 1; k + 1 < n; ++k) {
    if (kLower[static_cast<std::uint8_t>(at[k])] != static_cast<std::uint8_t>(FTerm[k])) {
      return false;
    }
  }
  return true;
}

// For a lower-case letter L, (b | 0x20) == L holds exactly for L and its capital, so one OR
// and one compare test a byte against both cases; other term bytes are compared as they are.
// The vector loop tests the first and the last byte of the term at 16 start positions at a
// time and verifies the inner bytes only where both agree.
std::size_t TTermFinder::Find(const char* data, std::size_t size, std::size_t from) const {
  const std::size_t n = FTerm.size();
  if (size < n || from > size - n) return npos;
  const std::size_t lastStart = size - n;
  std::size_t i = from;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(data);
#if defined(__SSE2__)
  const __m128i first = _mm_set1_epi8(static_cast<char>(FFirst));
  const __m128i last = _mm_set1_epi8(static_cast<char>(FLast));
  const __m128i firstOr = _mm_set1_epi8(static_cast<char>(FFirstOr));
  const __m128i lastOr = _mm_set1_epi8(static_cast<char>(FLastOr));
  while (i + 15 <= lastStart) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i + n - 1));
    const __m128i hits = _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(a, firstOr), first),
                                       _mm_cmpeq_epi8(_mm_or_si128(b, lastOr), last));
    auto mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
    while (mask != 0) {
      const std::size_t at = i + static_cast<std::size_t>(__builtin_ctz(mask));
      if (VerifyAt(data + at)) return at;
      mask &= mask - 1;
    }
    i += 16;
  }
#endif
  for (; i <= lastStart; ++i) {
    if ((bytes[i] | FFirstOr) == FFirst && (bytes[i + n - 1] | FLastOr) == FLast &&
        VerifyAt(data + i)) {
      return i;
    }
  }
  return npos;
}

bool Occurs(TMatchText& text, const TTermFinder& term) {
  const std::size_t at = term.Find(text.Data, text.Size, 0);
  if (at == TTermFinder::npos) return false;
  text.ClipAtNul();
  return at + term.Term().size() <= text.Size;
}

bool ContainsWord(TMatchText& text, const TTermFinder& term) {
  const std::size_t n = term.Term().size();
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.Data);
  std::size_t at = term.Find(text.Data, text.Size, 0);
  while (at != TTermFinder::npos) {
    text.ClipAtNul();
    if (at + n > text.Size) return false;
    const bool boundaryBefore = at == 0 || !kWordChar[bytes[at - 1]];
    const bool boundaryAfter = at + n == text.Size || !kWordChar[bytes[at + n]];
    if (boundaryBefore && boundaryAfter) return true;
    at = term.Find(text.Data, text.Size, at + 1);
  }
  return false;
}

}  // namespace halvena
