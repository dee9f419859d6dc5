#include "navigation/ListSteps.h"

#include <algorithm>

namespace halvena {

TListPlace StepSelection(TListStep step, TListPlace from, int count, int rows) {
  if (count <= 0) return from;
  rows = std::max(rows, 1);
  const int page = std::max(rows - 1, 1);
  const int last = count - 1;
  const bool selected = from.Index >= 0 && from.Index <= last;
  int index = 0;
  switch (step) {
    case TListStep::lsUp:
      index = selected ? from.Index - 1 : 0;
      break;
    case TListStep::lsDown:
      index = selected ? from.Index + 1 : 0;
      break;
    case TListStep::lsPageUp:
      index = selected ? from.Index - page : 0;
      break;
    case TListStep::lsPageDown:
      index = selected ? from.Index + page : 0;
      break;
    case TListStep::lsFirst:
      index = 0;
      break;
    case TListStep::lsLast:
      index = last;
      break;
  }
  index = std::clamp(index, 0, last);
  int top = std::clamp(from.Top, 0, last);
  if (index < top) top = index;
  if (index >= top + rows) top = index - rows + 1;
  return {index, top};
}

}  // namespace halvena
