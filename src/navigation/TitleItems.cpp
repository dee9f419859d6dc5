#include "navigation/TitleItems.h"

#include <charconv>

#include "data/TextSearch.h"

namespace halvena {
std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = AsciiUpper(c);
  return upper;
}

std::int32_t ItemNumber(std::string_view item) {
  const std::size_t bar = item.find('|');
  const std::string_view digits = item.substr(0, bar);
  std::int32_t number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size()) return 0;
  return number;
}

std::string_view ItemText(std::string_view item) {
  const std::size_t bar = item.find('|');
  return bar == std::string_view::npos ? item : item.substr(bar + 1);
}

int ChooseTypedResult(const std::vector<std::string>& items, std::string_view typed) {
  if (items.empty()) return -1;
  const std::string wanted = UpperAscii(typed);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (UpperAscii(ItemText(items[i])) == wanted) return static_cast<int>(i);
  }
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (UpperAscii(ItemText(items[i])).find(wanted) != std::string::npos) {
      return static_cast<int>(i);
    }
  }
  return 0;
}

int FindTitle(const std::vector<std::string>& items, std::string_view upperTitle) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (UpperAscii(ItemText(items[i])) == upperTitle) return static_cast<int>(i);
  }
  return -1;
}

char LetterToOpen(std::string_view firstItem, std::string_view upperTitle) {
  if (upperTitle.empty()) return '\0';
  const char first = upperTitle.front();
  if (first < 'A' || first > 'Z') return '\0';
  const std::string_view shown = ItemText(firstItem);
  if (!firstItem.empty() && !shown.empty() && shown.front() == first) return '\0';
  return first;
}

std::string ModeQueryText(std::string_view field) {
  const std::size_t start = field.find_first_not_of(' ');
  if (start == std::string_view::npos) return {};
  std::string query(field.substr(start));
  if (query.front() != '+' && query.front() != '-' && query.front() != '%') query.insert(0, 1, '+');
  return query;
}

std::string ContentCountText(char letter, int count) {
  std::string text = "Gevonden onder \"";
  text += letter;
  text += "\": " + std::to_string(count);
  return text;
}

std::string ResultCountText(bool anatomy, std::string_view organ, int count) {
  if (!anatomy) return "Gevonden: " + std::to_string(count);
  std::string text = "Gevonden onder \"";
  text += organ;
  text += "\": " + std::to_string(count);
  return text;
}

std::string TypedSearchQuery(std::string_view typed) {
  std::string query = "+\"";
  query += typed;
  query += '"';
  return query;
}

}  // namespace halvena
