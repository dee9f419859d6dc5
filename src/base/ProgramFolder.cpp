#include "base/ProgramFolder.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace halvena {
namespace {

namespace fs = std::filesystem;

std::optional<std::string>& FolderOverride() {
  static std::optional<std::string> folder;
  return folder;
}

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return AsciiLower(x) == AsciiLower(y);
         });
}

std::vector<std::string> Components(std::string_view path) {
  std::vector<std::string> parts;
  std::string current;
  for (const char c : path) {
    if (c == '\\' || c == '/') {
      if (!current.empty()) parts.push_back(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) parts.push_back(std::move(current));
  return parts;
}

// The entry of `dir` that `name` names: the exact name when it exists, else the first entry
// (in name order, so that the answer does not depend on the directory's order) that equals it
// with letter case ignored.
std::optional<fs::path> MatchEntry(const fs::path& dir, const std::string& name) {
  std::error_code ec;
  if (fs::exists(dir / name, ec)) return dir / name;
  std::optional<std::string> best;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (EqualIgnoringAsciiCase(entry, name) && (!best || entry < *best)) best = entry;
  }
  if (!best) return std::nullopt;
  return dir / *best;
}

}  // namespace

std::string ProgramFolder() {
  if (FolderOverride()) return *FolderOverride();
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::current_path(ec).string() : exe.parent_path().string();
}

void SetProgramFolder(const std::string& folder) {
  if (folder.empty()) {
    FolderOverride().reset();
  } else {
    FolderOverride() = folder;
  }
}

std::string ResolveProgramPath(std::string_view windowsPath) {
  fs::path result = ProgramFolder();
  bool matching = true;
  for (const std::string& part : Components(windowsPath)) {
    if (matching) {
      if (const std::optional<fs::path> entry = MatchEntry(result, part)) {
        result = *entry;
        continue;
      }
      matching = false;
    }
    result /= part;
  }
  return result.string();
}

}  // namespace halvena
