#include "base/ProgramFolder.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace halvena {
namespace {

namespace fs = std::filesystem;

// A fresh folder under the temporary folder, removed at the end.
class TTempFolder {
 public:
  TTempFolder() {
    std::string pattern = (fs::temp_directory_path() / "halvena-base-XXXXXX").string();
    FPath = mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
  }
  ~TTempFolder() {
    std::error_code ec;
    if (!FPath.empty()) fs::remove_all(FPath, ec);
  }
  const std::string& Path() const { return FPath; }

 private:
  std::string FPath;
};

TEST(ProgramFolder, ResolvesWindowsPathsComponentByComponent) {
  const TTempFolder dir;
  ASSERT_FALSE(dir.Path().empty());
  const std::string root = dir.Path();
  for (const char* file :
       {"I/B/bk6x4", "I/B/f6x4/F6X4_03", "D/IDbRecs.dat", "Same/x", "same/X", "same/x"}) {
    fs::create_directories(fs::path(root) / fs::path(file).parent_path());
    std::ofstream(fs::path(root) / file) << file;
  }
  SetProgramFolder(root);
  const struct {
    const char* windowsPath;
    const char* onDisk;
  } cases[] = {
      {"I\\B\\bk6x4", "I/B/bk6x4"},
      {"i\\b\\f6x4\\f6x4_03", "I/B/f6x4/F6X4_03"},
      {"\\d/IDBRECS.DAT\\", "D/IDbRecs.dat"},
      {"Same\\x", "Same/x"},  // exact names win over the case-insensitive ones
      {"same\\X", "same/X"},
      {"SAME\\x", "Same/x"},              // among case-insensitive matches, the first in name order
      {"i\\b\\nope\\F1", "I/B/nope/F1"},  // missing: the rest is joined as it is
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ResolveProgramPath(c.windowsPath), root + "/" + c.onDisk) << c.windowsPath;
  }
  SetProgramFolder("");
  EXPECT_EQ(fs::path(ProgramFolder()), fs::canonical("/proc/self/exe").parent_path());
}

}  // namespace
}  // namespace halvena
