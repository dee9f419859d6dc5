// The keyboard's steps through a title list: the item to select and the first visible row after
// a step, so that the selection stays in view. A plain function; safe from any thread.
#pragma once

#include <cstdint>

namespace halvena {

enum class TListStep : std::uint8_t { lsUp, lsDown, lsPageUp, lsPageDown, lsFirst, lsLast };

// A list's selected item and first visible row.
struct TListPlace {
  int Index = 0;
  int Top = 0;
  friend bool operator==(const TListPlace&, const TListPlace&) = default;
};

// Where `step` leads from `from` in a list of `count` items of which `rows` rows fit (at least
// one counts). A page is the rows that fit less one, at least one item; the selection stops at
// the first and the last item. Without a selection (-1 or out of range) every step but the last
// one lands on the first item. The top row moves only as far as it takes to show the selection.
// An empty list stays where it is.
TListPlace StepSelection(TListStep step, TListPlace from, int count, int rows);

}  // namespace halvena
