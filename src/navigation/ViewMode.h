// The three ways of finding an entry that the main window offers, one at a time: the contents
// list, the anatomy figure and the keyword search. The values are the window's mode bits.
#pragma once

#include <cstdint>

namespace halvena {

enum class TViewMode : std::uint8_t { vmContents = 1, vmAnatomy = 2, vmSearch = 4 };

// Whether `mode` has the bit of `bit`; the mode is always tested bit by bit.
constexpr bool HasMode(TViewMode mode, TViewMode bit) {
  return (static_cast<std::uint8_t>(mode) & static_cast<std::uint8_t>(bit)) != 0;
}

}  // namespace halvena
