// The three ways of finding an entry that the main window offers, one at a time: the contents
// list, the anatomy figure and the keyword search. The values are the window's mode bits.
#pragma once

#include <cstdint>

namespace halvena {

enum class TViewMode : std::uint8_t { vmContents = 1, vmAnatomy = 2, vmSearch = 4 };

}  // namespace halvena
