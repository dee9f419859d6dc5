// Helpers for tests of the record store: records added in memory, files written to a
// temporary folder, and a gauge that records what it was told.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/ProgressGauge.h"
#include "data/IDbRecs.h"
#include "data/RecWriter.h"

namespace halvena::test {

inline void AddRec(TIDbRecFile& store, std::uint32_t id, const std::string& key,
                   const std::string& text) {
  store.AddRecord(id, key, text);
}

class RecordingGauge : public TProgressGauge {
 public:
  void SetProgress(int percent) override { progress.push_back(percent); }
  void SetVisible(bool v) override { visible.push_back(v); }
  void LetPendingWorkRun() override { ++pendingRuns; }

  std::vector<int> progress;
  std::vector<bool> visible;
  int pendingRuns = 0;
};

// A file in a fresh temporary folder, removed with the object.
class TempFile {
 public:
  TempFile() {
    dir_ = std::filesystem::temp_directory_path() /
           ("halvena-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
    std::filesystem::create_directories(dir_);
    path_ = (dir_ / "IDbRecs.dat").string();
  }
  ~TempFile() { std::filesystem::remove_all(dir_); }
  const std::string& path() const { return path_; }
  void Write(const std::string& bytes) const {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

 private:
  static inline int counter_ = 0;
  std::filesystem::path dir_;
  std::string path_;
};

inline std::string Encode(const std::vector<TRecImage>& recs) {
  std::string bytes;
  EncodeRecFile(recs, bytes);
  return bytes;
}

}  // namespace halvena::test
