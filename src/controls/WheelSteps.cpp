#include "controls/WheelSteps.h"

#include <algorithm>
#include <limits>

namespace halvena {

int TWheelSteps::AddAngle(int angle, int rowsPerNotch) {
  return Add(static_cast<std::int64_t>(angle) * std::max(rowsPerNotch, 1), kWheelNotch);
}

int TWheelSteps::AddPixels(int pixels, int rowHeight) {
  if (rowHeight < 1) return 0;
  return Add(pixels, rowHeight);
}

int TWheelSteps::Add(std::int64_t amount, std::int64_t perRow) {
  if (amount == 0) return 0;
  // A turn the other way starts afresh: the rest of the last direction would hold it back.
  if (perRow != FPerRow || (FRest != 0 && (amount > 0) != (FRest > 0))) FRest = 0;
  FPerRow = perRow;
  FRest += amount;
  const std::int64_t rows = FRest / perRow;
  FRest -= rows * perRow;
  constexpr std::int64_t kMost = std::numeric_limits<int>::max();
  return static_cast<int>(std::clamp(rows, -kMost, kMost));
}

}  // namespace halvena
