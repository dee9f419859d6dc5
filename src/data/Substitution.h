// The byte substitution of the dictionary file: every byte of a stored key or body passes
// through one fixed permutation of the 256 byte values, and the loader through its inverse.
// It depends on the byte value alone. Plain functions; safe from any thread.
#pragma once

#include <cstddef>
#include <cstdint>

namespace halvena {

// The stored form of a plain byte.
constexpr std::uint8_t SubstituteByte(std::uint8_t plain) {
  const auto shifted = static_cast<std::uint8_t>(plain + 0x3B);
  return static_cast<std::uint8_t>(((shifted << 3) | (shifted >> 5)) ^ 0xA7);
}

// The plain form of a stored byte: the inverse of SubstituteByte.
constexpr std::uint8_t RestoreByte(std::uint8_t stored) {
  const auto mixed = static_cast<std::uint8_t>(stored ^ 0xA7);
  return static_cast<std::uint8_t>(((mixed >> 3) | (mixed << 5)) - 0x3B);
}

// Copies `count` stored bytes from `src` to `dst`, restoring each. The ranges may overlap
// when `dst` is at or before `src` (the bytes move toward the start), never the other way.
void RestoreBytes(char* dst, const char* src, std::size_t count);

}  // namespace halvena
