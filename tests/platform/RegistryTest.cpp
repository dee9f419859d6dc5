#include "platform/Registry.h"

#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QTemporaryDir>
#include <fstream>

#include "base/ProgramFolder.h"

namespace halvena {
namespace {

constexpr std::string_view kKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Halvena";

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FFolder.isValid());
    SetProgramFolder(FFolder.path().toStdString());
  }
  void TearDown() override { SetProgramFolder({}); }

  void WriteRecord(const std::string& text) {
    std::ofstream(FFolder.filePath(QStringLiteral("uninstall.ini")).toStdString(), std::ios::binary)
        << text;
  }

  QTemporaryDir FFolder;
};

TEST_F(RegistryTest, LocalMachineKeysComeFromTheInstallationRecord) {
  WriteRecord(
      "; Halvena\n[Software\\Other]\nUninstallString=wrong\n\n"
      "[SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\halvena]\r\n"
      "DisplayName=Halvena 2.0 release 3\r\n"
      "UNINSTALLSTRING=\"/opt/halvena/uninstall\" \"/opt/halvena/files\"\r\n"
      "Empty=\n");
  const auto read = [](std::string_view key, std::string_view value) {
    return ReadRegistryString(TRegistryRoot::HKEY_LOCAL_MACHINE, key, value);
  };
  EXPECT_EQ(read(kKey, "UninstallString"), "\"/opt/halvena/uninstall\" \"/opt/halvena/files\"");
  EXPECT_EQ(read(kKey, "DisplayName"), "Halvena 2.0 release 3");
  EXPECT_EQ(read(kKey, "Empty"), "");
  EXPECT_EQ(read(kKey, "Missing"), "");
  EXPECT_EQ(read("Software\\Other", "UninstallString"), "wrong");
  EXPECT_EQ(read("Software\\Nothing", "UninstallString"), "");
}

TEST_F(RegistryTest, WithoutARecordEveryValueIsEmpty) {
  EXPECT_EQ(ReadRegistryString(TRegistryRoot::HKEY_LOCAL_MACHINE, kKey, "UninstallString"), "");
}

TEST_F(RegistryTest, HtmlDocumentsOpenWithXdgOpen) {
  for (const char* extension : {".HTML", ".htm", ".shtml", ".SHTM"}) {
    EXPECT_EQ(ReadRegistryString(TRegistryRoot::HKEY_CLASSES_ROOT, extension, ""), "htmlfile");
  }
  EXPECT_EQ(ReadRegistryString(TRegistryRoot::HKEY_CLASSES_ROOT, ".txt", ""), "");
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  const std::string command =
      ReadRegistryString(TRegistryRoot::HKEY_CLASSES_ROOT, "HTMLFILE\\shell\\open\\command", "");
  EXPECT_EQ(command, opener.isEmpty() ? "" : "\"" + opener.toStdString() + "\" \"%1\"");
}

}  // namespace
}  // namespace halvena
