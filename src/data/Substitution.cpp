#include "data/Substitution.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace halvena {

// Restoring is a large share of loading a dictionary, so sixteen bytes are done at a time:
// the rotation of every byte is two 16-bit shifts whose spill into the neighbouring byte is
// masked off. Every block is loaded before it is stored, and a store never reaches bytes not
// yet loaded when the bytes move toward the start.
void RestoreBytes(char* dst, const char* src, std::size_t count) {
  auto* d = reinterpret_cast<std::uint8_t*>(dst);
  const auto* s = reinterpret_cast<const std::uint8_t*>(src);
  std::size_t i = 0;
#if defined(__SSE2__)
  const __m128i key = _mm_set1_epi8(static_cast<char>(0xA7));
  const __m128i low5 = _mm_set1_epi8(0x1F);
  const __m128i high3 = _mm_set1_epi8(static_cast<char>(0xE0));
  const __m128i offset = _mm_set1_epi8(0x3B);
  for (; i + 16 <= count; i += 16) {
    const __m128i mixed =
        _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i)), key);
    const __m128i rotated = _mm_or_si128(_mm_and_si128(_mm_srli_epi16(mixed, 3), low5),
                                         _mm_and_si128(_mm_slli_epi16(mixed, 5), high3));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), _mm_sub_epi8(rotated, offset));
  }
#endif
  for (; i < count; ++i) d[i] = RestoreByte(s[i]);
}

}  // namespace halvena
