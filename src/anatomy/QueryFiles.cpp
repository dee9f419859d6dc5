#include "anatomy/QueryFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>

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

// Closes a file descriptor at the end of the scope.
class TFileDescriptor {
 public:
  explicit TFileDescriptor(int fd) : FFd(fd) {}
  ~TFileDescriptor() {
    if (FFd >= 0) ::close(FFd);
  }
  TFileDescriptor(const TFileDescriptor&) = delete;
  TFileDescriptor& operator=(const TFileDescriptor&) = delete;
  int Get() const { return FFd; }

 private:
  int FFd;
};

// The bytes of the regular file at `path`; false when it is something else, too large or
// unreadable.
bool ReadRegularFile(const std::string& path, std::string& bytes) {
  // Non-blocking, so that a pipe without a writer does not hold the open; it is refused below.
  const TFileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (file.Get() < 0) return false;
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > kMaxQueryFileBytes) {
    return false;
  }
  bytes.clear();
  bytes.reserve(static_cast<std::size_t>(info.st_size));
  char chunk[16384];
  for (;;) {
    const ssize_t n = ::read(file.Get(), chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    // The cap holds for what is read: the file may have grown since it was measured.
    if (bytes.size() + static_cast<std::size_t>(n) > kMaxQueryFileBytes) return false;
    bytes.append(chunk, static_cast<std::size_t>(n));
  }
  return true;
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
    if (!ReadRegularFile(path, bytes)) return {};
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
  // "[" + the view in decimal + "]", built without touching the heap.
  char header[16] = "[";
  const auto [end, error] = std::to_chars(header + 1, header + sizeof header - 1, bodyView);
  if (error != std::errc()) return {};
  *end = ']';
  const std::string_view viewHeader(header, static_cast<std::size_t>(end + 1 - header));

  TRegionHit hit;
  ForEachSectionLine(lines, viewHeader, [&](std::string_view line) {
    if (!ParseRegionRect(line).Contains(x, y)) return false;
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos) {
      const std::size_t bar = line.find('|', equals + 1);
      if (bar != std::string_view::npos) hit.Name = line.substr(equals + 1, bar - equals - 1);
    }
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

bool MapToFigureFrame(int x, int y, int width, int height, int& frameX, int& frameY) {
  if (width <= 0 || height <= 0) return false;
  const double mappedX = std::nearbyint(static_cast<double>(kFigureFrameWidth) / width * x);
  const double mappedY = std::nearbyint(static_cast<double>(kFigureFrameHeight) / height * y);
  // A pointer held down may be dragged far off the figure; such a point hits nothing anyway.
  constexpr double kReach = 1 << 30;
  if (std::fabs(mappedX) > kReach || std::fabs(mappedY) > kReach) return false;
  frameX = static_cast<int>(mappedX);
  frameY = static_cast<int>(mappedY);
  return true;
}

}  // namespace halvena
