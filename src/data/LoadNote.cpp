#include "data/LoadNote.h"

#include <filesystem>

#include "base/FileRead.h"

namespace halvena {

std::string DictionaryLoadNote(const std::string& path, bool loaded, const TIDbRecFile& store) {
  const std::int32_t count = store.Recs.Count();
  if (loaded) {
    if (count > 0) return {};
    return path + ": the dictionary holds no entries";
  }
  // A missing dictionary is told once, with the program's other missing data, at start.
  std::error_code error;
  if (!std::filesystem::exists(std::filesystem::symlink_status(path, error))) return {};
  TRegularFile file;
  const TFileReadStatus status = file.Open(path);
  if (status != TFileReadStatus::Ok || file.Size() < 4) {
    const char* why = status != TFileReadStatus::Ok ? FileReadStatusText(status)
                                                    : "shorter than its 4-byte record count";
    return path + ": the dictionary could not be read (" + why + ")";
  }
  return path + ": the dictionary is cut short; " + std::to_string(count) +
         (count == 1 ? " entry" : " entries") + " loaded";
}

}  // namespace halvena
