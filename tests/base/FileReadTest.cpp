#include "base/FileRead.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/ScratchFolder.h"

namespace halvena {
namespace {

// A scratch folder that goes with the test.
class FileRead : public test::ScratchFolderTest {};

TEST_F(FileRead, RegularFileWithinTheCapIsReadWhole) {
  Write("a.dat", std::string("x\0y", 3));
  std::string bytes;
  EXPECT_EQ(ReadRegularFile(PathOf("a.dat"), 3, bytes), TFileReadStatus::Ok);
  EXPECT_EQ(bytes, std::string("x\0y", 3));
  EXPECT_EQ(ReadRegularFile(PathOf("a.dat"), 2, bytes), TFileReadStatus::TooLarge);
  EXPECT_TRUE(bytes.empty());
  Write("empty.dat", "");
  EXPECT_EQ(ReadRegularFile(PathOf("empty.dat"), 0, bytes), TFileReadStatus::Ok);
  EXPECT_EQ(ReadRegularFile(PathOf("missing.dat"), 10, bytes), TFileReadStatus::CannotOpen);
}

TEST_F(FileRead, DirectoriesPipesAndDevicesAreRefusedWithoutWaiting) {
  std::string bytes = "old";
  std::filesystem::create_directory(PathOf("dir.dat"));
  EXPECT_EQ(ReadRegularFile(PathOf("dir.dat"), 100, bytes), TFileReadStatus::NotRegular);
  EXPECT_TRUE(bytes.empty());
  // Without a writer a blocking open of the pipe would never return.
  ASSERT_EQ(::mkfifo(PathOf("fifo.dat").c_str(), 0600), 0);
  EXPECT_EQ(ReadRegularFile(PathOf("fifo.dat"), 100, bytes), TFileReadStatus::NotRegular);
  std::filesystem::create_symlink("/dev/zero", PathOf("zero.dat"));
  std::filesystem::create_symlink("/dev/urandom", PathOf("random.dat"));
  for (const char* name : {"zero.dat", "random.dat"}) {
    TRegularFile file;
    EXPECT_EQ(file.Open(PathOf(name)), TFileReadStatus::NotRegular) << name;
    EXPECT_FALSE(file.IsOpen());
    char buffer[4];
    EXPECT_EQ(file.Read(buffer, sizeof buffer), -1);
  }
}

TEST_F(FileRead, HandleReadsInPiecesAndStopsAtTheSizeItOpenedWith) {
  Write("a.dat", "abcdef");
  TRegularFile file;
  ASSERT_EQ(file.Open(PathOf("a.dat")), TFileReadStatus::Ok);
  EXPECT_EQ(file.Size(), 6u);
  std::ofstream(PathOf("a.dat"), std::ios::binary | std::ios::app) << "ghij";
  char buffer[16] = {};
  EXPECT_EQ(file.Read(buffer, 4), 4);
  EXPECT_EQ(file.Read(buffer + 4, 10), 2);
  EXPECT_EQ(std::string(buffer), "abcdef");
  EXPECT_EQ(file.Read(buffer, 10), 0);
}

}  // namespace
}  // namespace halvena
