// A fixture for tests that read files: a fresh folder per test, removed after it, with helpers
// to name and write files in it. Header only and Qt-free.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace halvena::test {

class ScratchFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    FDir = std::filesystem::temp_directory_path() /
           ("halvena-test-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-" +
            info->name());
    std::filesystem::create_directories(FDir);
  }
  void TearDown() override { std::filesystem::remove_all(FDir); }
  std::string PathOf(const char* name) const { return (FDir / name).string(); }
  void Write(const char* name, const std::string& bytes) const {
    std::ofstream(PathOf(name), std::ios::binary) << bytes;
  }

  std::filesystem::path FDir;
};

}  // namespace halvena::test
