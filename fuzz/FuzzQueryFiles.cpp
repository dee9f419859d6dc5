// Reads arbitrary bytes as an anatomy query file and looks up points in it. Input: one byte of
// view, two bytes each of x and y (signed, little endian), two bytes each of the figure's shown
// width and height, then the file.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "anatomy/QueryFiles.h"

namespace {

// The file is handed to the reader in memory, named through /proc.
int MemoryFile() {
  static const int fd = memfd_create("fuzz-query-files", 0);
  if (fd < 0) std::abort();
  return fd;
}

std::int16_t Signed16(const std::uint8_t* p) {
  return static_cast<std::int16_t>(p[0] | (p[1] << 8));
}

// True when `part` lies inside one of `lines`: a lookup answers views into them, never copies.
bool InsideALine(std::string_view part, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    if (part.data() >= line.data() && part.data() + part.size() <= line.data() + line.size()) {
      return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kHeader = 9;
  if (size < kHeader) return 0;
  const int view = data[0] % 17;
  const int x = Signed16(data + 1);
  const int y = Signed16(data + 3);
  const int width = Signed16(data + 5);
  const int height = Signed16(data + 7);
  const std::string_view bytes(reinterpret_cast<const char*>(data + kHeader), size - kHeader);

  const int fd = MemoryFile();
  if (ftruncate(fd, 0) != 0 ||
      pwrite(fd, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size())) {
    std::abort();
  }
  const std::vector<std::string> lines = halvena::SplitQueryLines(bytes);
  if (halvena::ReadQueryLines("/proc/self/fd/" + std::to_string(fd)) != lines) std::abort();
  for (const std::string& line : lines) {
    if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) std::abort();
    halvena::ParseRegionRect(line);
  }

  int frameX = x;
  int frameY = y;
  halvena::MapToFigureFrame(x, y, width, height, frameX, frameY);
  for (const auto& [px, py] : {std::pair{x, y}, std::pair{frameX, frameY}}) {
    const halvena::TRegionHit hit = halvena::LookUpRegion(lines, view, px, py);
    if (!hit.Name.empty() && !InsideALine(hit.Name, lines)) std::abort();
    if (!hit.Query.empty() && (hit.Name.empty() || !InsideALine(hit.Query, lines))) std::abort();
    if (hit.Name.find('|') != std::string_view::npos) std::abort();
  }
  return 0;
}
