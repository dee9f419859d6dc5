#include "platform/Registry.h"

#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QTemporaryDir>
#include <fstream>

#include "base/ProgramFolder.h"

namespace halvena {
namespace {

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FFolder.isValid());
    SetProgramFolder(FFolder.path().toStdString());
  }
  void TearDown() override { SetProgramFolder({}); }

  void Write(std::string_view name, const std::string& text) {
    std::ofstream(
        FFolder.filePath(QString::fromUtf8(name.data(), qsizetype(name.size()))).toStdString(),
        std::ios::binary)
        << text;
  }

  QTemporaryDir FFolder;
};

TEST_F(RegistryTest, TheUninstallKeyComesFromTheInstallationRecord) {
  Write(kOldRegistryRecord, "[" + std::string(kUninstallKey) + "]\nUninstallString=old\n");
  Write(kInstallRecord,
        "# written by the installation\n[Other]\nUninstaller=wrong\n"
        "[INSTALLATION]\r\nName=Halvena 2.0 release 3\r\n"
        "uninstaller=\"/opt/halvena/lib/halvena/halvena-uninstall\"\r\nVersion=2.0.3\n");
  const auto read = [](std::string_view key, std::string_view value) {
    return ReadRegistryString(TRegistryRoot::HKEY_LOCAL_MACHINE, key, value);
  };
  EXPECT_EQ(read(kUninstallKey, "UNINSTALLSTRING"),
            "\"/opt/halvena/lib/halvena/halvena-uninstall\"");
  EXPECT_EQ(read(kUninstallKey, "DisplayName"), "Halvena 2.0 release 3");
  EXPECT_EQ(read(kUninstallKey, "Version"), "");
  EXPECT_EQ(read(kUninstallKey, "Uninstaller"), "");
  EXPECT_EQ(read("Installation", "Uninstaller"), "");
}

TEST_F(RegistryTest, WithoutAnInstallationRecordTheOldRecordIsRead) {
  Write(kOldRegistryRecord,
        "; Halvena\n[Software\\Other]\nUninstallString=wrong\n\n"
        "[SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\halvena]\r\n"
        "DisplayName=Halvena 2.0 release 3\r\n"
        "UNINSTALLSTRING=\"/opt/halvena/uninstall\" \"/opt/halvena/files\"\r\n"
        "Empty=\n");
  const auto read = [](std::string_view key, std::string_view value) {
    return ReadRegistryString(TRegistryRoot::HKEY_LOCAL_MACHINE, key, value);
  };
  EXPECT_EQ(read(kUninstallKey, "UninstallString"),
            "\"/opt/halvena/uninstall\" \"/opt/halvena/files\"");
  EXPECT_EQ(read(kUninstallKey, "DisplayName"), "Halvena 2.0 release 3");
  EXPECT_EQ(read(kUninstallKey, "Empty"), "");
  EXPECT_EQ(read(kUninstallKey, "Missing"), "");
  EXPECT_EQ(read("Software\\Other", "UninstallString"), "wrong");
  EXPECT_EQ(read("Software\\Nothing", "UninstallString"), "");
}

TEST_F(RegistryTest, WithoutARecordEveryValueIsEmpty) {
  EXPECT_EQ(ReadRegistryString(TRegistryRoot::HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"),
            "");
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
