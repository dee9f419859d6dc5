#include "Substitution.h"

namespace halvena {

// Written as arithmetic rather than a table lookup so that the compiler turns the loop into
// vector code: restoring is a large share of loading a dictionary.
void RestoreBytes(char* dst, const char* src, std::size_t count) {
  auto* d = reinterpret_cast<std::uint8_t*>(dst);
  const auto* s = reinterpret_cast<const std::uint8_t*>(src);
  for (std::size_t i = 0; i < count; ++i) d[i] = RestoreByte(s[i]);
}

}  // namespace halvena
