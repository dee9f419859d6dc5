#include "anatomy/QueryFiles.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>

namespace halvena {
namespace {

// A field of a rectangle: optional leading blanks, an optional sign, digits and nothing else.
int ParseField(std::string_view field) {
  std::size_t pos = 0;
  while (pos < field.size() && field[pos] == ' ') ++pos;
  field.remove_prefix(pos);
  if (!field.empty() && field.front() == '+') field.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (field.empty() || error != std::errc() || end != field.data() + field.size()) return 0;
  return value;
}

// The body of the first section headed `header`: the lines after it up to the first empty line,
// line beginning with "[" or the end.
template <typename Fn>
void ForEachSectionLine(const std::vector<std::string>& lines, std::string_view header, Fn fn) {
  std::size_t i = 0;
  while (i < lines.size() && lines[i] != header) ++i;
  for (++i; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.empty() || line.front() == '[') return;
    if (fn(line)) return;
  }
}

}  // namespace

std::vector<std::string> SplitQueryLines(std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find('\0'));
  std::vector<std::string> lines;
  std::size_t start = 0;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const char c = bytes[pos];
    if (c != '\r' && c != '\n') {
      ++pos;
      continue;
    }
    lines.emplace_back(bytes.substr(start, pos - start));
    pos += (c == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n') ? 2 : 1;
    start = pos;
  }
  if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
  return lines;
}

std::vector<std::string> ReadQueryLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return SplitQueryLines(bytes);
}

TFigureRect ParseRegionRect(std::string_view line) {
  std::string_view rest = line.substr(0, line.find('='));
  int fields[3] = {0, 0, 0};
  for (int& field : fields) {
    const std::size_t comma = rest.find(',');
    if (comma == std::string_view::npos) break;
    field = ParseField(rest.substr(0, comma));
    rest.remove_prefix(comma + 1);
  }
  return {fields[0], fields[1], fields[2], ParseField(rest)};
}

TRegionHit LookUpRegion(const std::vector<std::string>& lines, int bodyView, int x, int y) {
  TRegionHit hit;
  ForEachSectionLine(lines, "[" + std::to_string(bodyView) + "]", [&](const std::string& line) {
    if (!ParseRegionRect(line).Contains(x, y)) return false;
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos) {
      const std::size_t bar = line.find('|', equals + 1);
      if (bar != std::string::npos) hit.Name = line.substr(equals + 1, bar - equals - 1);
    }
    return true;
  });
  if (hit.Name.empty()) return hit;
  ForEachSectionLine(lines, "[Queries]", [&](const std::string& line) {
    const std::size_t equals = line.find('=');
    if (std::string_view(line).substr(0, equals) != hit.Name) return false;
    if (equals != std::string::npos) hit.Query = line.substr(equals + 1);
    return true;
  });
  return hit;
}

void MapToFigureFrame(int x, int y, int width, int height, int& frameX, int& frameY) {
  frameX = static_cast<int>(std::nearbyint(static_cast<double>(kFigureFrameWidth) / width * x));
  frameY = static_cast<int>(std::nearbyint(static_cast<double>(kFigureFrameHeight) / height * y));
}

}  // namespace halvena
