#include "ProgramFolder.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

namespace halvena {
namespace {

namespace fs = std::filesystem;

class ProgramFolderTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    root = dir.path().toStdString();
    for (const char* file : {"I/B/bk6x4", "I/B/f6x4/F6X4_03", "D/IDbRecs.dat", "D/qf.dat", "Same/x",
                             "same/X", "same/x"}) {
      fs::create_directories(fs::path(root) / fs::path(file).parent_path());
      std::ofstream(fs::path(root) / file) << file;
    }
    SetProgramFolder(root);
  }
  void TearDown() override { SetProgramFolder(""); }

  QTemporaryDir dir;
  std::string root;
};

TEST_F(ProgramFolderTest, ResolvesWindowsPathsComponentByComponent) {
  const struct {
    const char* windowsPath;
    const char* onDisk;
  } cases[] = {
      {"I\\B\\bk6x4", "I/B/bk6x4"},
      {"i\\b\\BK6X4", "I/B/bk6x4"},
      {"i\\b\\f6x4\\f6x4_03", "I/B/f6x4/F6X4_03"},
      {"d\\qf.dat", "D/qf.dat"},
      {"D/IDBRECS.DAT", "D/IDbRecs.dat"},
      {"\\D\\\\qf.dat\\", "D/qf.dat"},
      {"Same\\x", "Same/x"},  // exact names win over the case-insensitive ones
      {"same\\X", "same/X"},
      {"SAME\\x", "Same/x"},  // among case-insensitive matches, the first in name order
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ResolveProgramPath(c.windowsPath), root + "/" + c.onDisk) << c.windowsPath;
  }
}

TEST_F(ProgramFolderTest, MissingFilesGiveThePlainlyJoinedPath) {
  EXPECT_EQ(ResolveProgramPath("i\\b\\nope\\F1"), root + "/I/B/nope/F1");
  EXPECT_EQ(ResolveProgramPath("x\\y"), root + "/x/y");
  EXPECT_FALSE(fs::exists(ResolveProgramPath("D\\qf.dat\\inside")));
}

TEST(ProgramFolder, DefaultsToTheExecutablesFolder) {
  SetProgramFolder("/somewhere");
  EXPECT_EQ(ProgramFolder(), "/somewhere");
  SetProgramFolder("");
  EXPECT_EQ(fs::path(ProgramFolder()), fs::canonical("/proc/self/exe").parent_path());
}

}  // namespace
}  // namespace halvena
