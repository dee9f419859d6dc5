// TWheelSteps: turns the wheel's and the touchpad's scroll steps into whole rows of a list. A
// wheel notch is 120 units of angle and scrolls the desktop's number of rows; smaller steps (a
// touchpad, a free-running wheel) and pixel steps add up until they make a row, and what is left
// over waits for the next step in the same direction. Qt-free; one object per list, used from
// one thread.
#pragma once

#include <cstdint>

namespace halvena {

// The angle of one wheel notch.
constexpr int kWheelNotch = 120;

class TWheelSteps {
 public:
  // Adds a step of `angle` units (positive: away from the reader, towards the top of the list)
  // at `rowsPerNotch` rows a notch; answers the whole rows to scroll up (negative: down).
  // `rowsPerNotch` below 1 counts as 1.
  int AddAngle(int angle, int rowsPerNotch);
  // Adds a step of `pixels` (positive: towards the top) over rows of `rowHeight` pixels; answers
  // the whole rows as AddAngle does. Nothing scrolls with a row height below 1.
  int AddPixels(int pixels, int rowHeight);
  // Forgets what was left over, as when a new scroll gesture starts.
  void Reset() { FRest = 0; }

 private:
  // Adds `amount` units of which `perRow` make a row.
  int Add(std::int64_t amount, std::int64_t perRow);

  std::int64_t FRest = 0;
  // The units of a row that FRest was counted in; a step in other units starts afresh.
  std::int64_t FPerRow = 0;
};

}  // namespace halvena
