#include "anatomy/QueryFiles.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "base/FileRead.h"

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

// Walks the body of the first section headed `header`: the lines after it up to the first empty
// line, line beginning with "[" or the end, until `fn` answers true.
template <typename Fn>
void ForEachSectionLine(std::span<const std::string> lines, std::string_view header, Fn fn) {
  std::size_t i = 0;
  while (i < lines.size() && lines[i] != header) ++i;
  for (++i; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.empty() || line.front() == '[') return;
    if (fn(line)) return;
  }
}

// "[" + the view in decimal + "]" in `header`, built without touching the heap; empty when the
// view does not fit.
std::string_view ViewHeader(int bodyView, std::span<char, 16> header) {
  header[0] = '[';
  const auto [end, error] = std::to_chars(header.data() + 1, header.data() + 15, bodyView);
  if (error != std::errc()) return {};
  *end = ']';
  return {header.data(), static_cast<std::size_t>(end + 1 - header.data())};
}

// The region name of a region line: the text between the first "=" and the first "|" after it;
// empty without that "|".
std::string_view RegionName(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {};
  const std::size_t bar = line.find('|', equals + 1);
  if (bar == std::string_view::npos) return {};
  return line.substr(equals + 1, bar - equals - 1);
}

// Pixel `pixel` of a figure side shown `shown` pixels long, in units of a frame side `frame`
// long: the scale is taken first, then the product rounded, halves to even. The pointer and the
// areas drawn for the regions both go through here, so that what is drawn is what is hit.
double ToFrame(int pixel, int frame, int shown) {
  return std::nearbyint(static_cast<double>(frame) / shown * pixel);
}

// The pixels [first, last) of a side shown `shown` long whose frame units lie in [from, to).
// ToFrame grows with the pixel, so each end is the first pixel at or past its unit.
std::pair<int, int> PixelSpan(int from, int to, int frame, int shown) {
  // A binary search over the pixels 0 .. shown.
  const auto firstAt = [&](int unit) {
    int low = 0;
    int high = shown;
    while (low < high) {
      const int mid = low + (high - low) / 2;
      if (ToFrame(mid, frame, shown) < unit) {
        low = mid + 1;
      } else {
        high = mid;
      }
    }
    return low;
  };
  return {firstAt(from), firstAt(to)};
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

std::vector<std::string> ReadQueryLines(const std::string& path) noexcept {
  try {
    std::string bytes;
    if (ReadRegularFile(path, kMaxQueryFileBytes, bytes) != TFileReadStatus::Ok) return {};
    return SplitQueryLines(bytes);
  } catch (...) {
    // Out of memory for a file within the cap: no regions rather than no program.
    return {};
  }
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

TRegionHit LookUpRegion(std::span<const std::string> lines, int bodyView, int x, int y) {
  char header[16];
  const std::string_view viewHeader = ViewHeader(bodyView, header);
  if (viewHeader.empty()) return {};

  TRegionHit hit;
  ForEachSectionLine(lines, viewHeader, [&](std::string_view line) {
    if (!ParseRegionRect(line).Contains(x, y)) return false;
    hit.Name = RegionName(line);
    return true;
  });
  if (hit.Name.empty()) return hit;
  ForEachSectionLine(lines, "[Queries]", [&](std::string_view line) {
    const std::size_t equals = line.find('=');
    if (line.substr(0, equals) != hit.Name) return false;
    if (equals != std::string_view::npos) hit.Query = line.substr(equals + 1);
    return true;
  });
  return hit;
}

std::vector<TFigureRect> RegionRects(std::span<const std::string> lines, int bodyView,
                                     std::string_view name) {
  std::vector<TFigureRect> rects;
  char header[16];
  const std::string_view viewHeader = ViewHeader(bodyView, header);
  if (name.empty() || viewHeader.empty()) return rects;
  ForEachSectionLine(lines, viewHeader, [&](std::string_view line) {
    if (RegionName(line) == name) rects.push_back(ParseRegionRect(line));
    return false;
  });
  return rects;
}

bool MapToFigureFrame(int x, int y, int width, int height, int& frameX, int& frameY) {
  if (width <= 0 || height <= 0) return false;
  const double mappedX = ToFrame(x, kFigureFrameWidth, width);
  const double mappedY = ToFrame(y, kFigureFrameHeight, height);
  // A pointer held down may be dragged far off the figure; such a point hits nothing anyway.
  constexpr double kReach = 1 << 30;
  if (std::fabs(mappedX) > kReach || std::fabs(mappedY) > kReach) return false;
  frameX = static_cast<int>(mappedX);
  frameY = static_cast<int>(mappedY);
  return true;
}

TFigureRect FigurePixelsOf(const TFigureRect& rect, int width, int height) {
  if (width <= 0 || height <= 0) return {};
  const auto [left, right] = PixelSpan(rect.Left, rect.Right, kFigureFrameWidth, width);
  const auto [top, bottom] = PixelSpan(rect.Top, rect.Bottom, kFigureFrameHeight, height);
  return {left, top, right, bottom};
}

}  // namespace halvena
