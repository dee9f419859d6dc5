// The history of shown entries: the titles shown since the start, oldest first, at most
// kMaxHistory of them and never the same twice in a row. A plain function; safe from any
// thread.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace halvena {

constexpr int kMaxHistory = 15;

// Records `title` as the newest item unless it already is the newest (exact comparison, letter
// case counts); the oldest items go once there are more than kMaxHistory. True when the list
// changed: the newest item is then the one to select.
bool RecordHistory(std::vector<std::string>& history, std::string_view title);

// The first visible row that shows `index` second from the top, under its predecessor.
constexpr int SecondFromTop(int index) {
  return index > 0 ? index - 1 : index;
}

}  // namespace halvena
