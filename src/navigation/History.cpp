#include "navigation/History.h"

namespace halvena {

bool RecordHistory(std::vector<std::string>& history, std::string_view title) {
  if (!history.empty() && history.back() == title) return false;
  history.emplace_back(title);
  if (history.size() > static_cast<std::size_t>(kMaxHistory)) {
    history.erase(history.begin(), history.end() - kMaxHistory);
  }
  return true;
}

}  // namespace halvena
