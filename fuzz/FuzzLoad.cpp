// Loads arbitrary bytes as a dictionary file and walks everything the user interface reads.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/IDbRecs.h"

namespace {

// The input is handed to the loader as a file in memory, named through /proc.
int MemoryFile() {
  static const int fd = memfd_create("fuzz-load", 0);
  if (fd < 0) std::abort();
  return fd;
}

class CountingGauge : public halvena::TProgressGauge {
 public:
  void SetProgress(int percent) override {
    if (percent < 0 || percent > 100) std::abort();
  }
  void SetVisible(bool) override {}
  void LetPendingWorkRun() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const int fd = MemoryFile();
  if (ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))
    std::abort();
  halvena::TIDbRecFile store;
  CountingGauge gauge;
  store.LoadFromFile("/proc/self/fd/" + std::to_string(fd), &gauge);
  store.ShowAll();
  std::vector<std::string> items;
  store.FillTitleList(2, 'A', items);
  halvena::TIDbRec rec;
  for (std::int32_t v = store.VisCount + 1; v >= 0; --v) store.GetVisibleRec(v, rec);
  return 0;
}
