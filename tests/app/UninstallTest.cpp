#include "app/Uninstall.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include "AppTesting.h"

namespace halvena {
namespace {

struct TSplitCase {
  const char* Name;
  const char* CommandLine;
  TUninstallCommand Expected;
};

class UninstallSplit : public ::testing::TestWithParam<TSplitCase> {};

TEST_P(UninstallSplit, TakesTheCommandLineApart) {
  EXPECT_EQ(SplitUninstallCommand(GetParam().CommandLine), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, UninstallSplit,
    ::testing::Values(
        TSplitCase{"QuotedPathWithArguments",
                   R"("/opt/h/uninstall" "/opt/h/list" -q)",
                   {"/opt/h/uninstall", R"("/opt/h/list" -q)", "/opt/h/"}},
        TSplitCase{"QuotedPathAlone", R"("/opt/h/uninstall")", {"/opt/h/uninstall", "", "/opt/h/"}},
        TSplitCase{
            "QuotedPathAndOneBlank", R"("/opt/h/uninstall" )", {"/opt/h/uninstall", "", "/opt/h/"}},
        TSplitCase{"QuotedPathSkipsExactlyOneCharacter", R"("/u"  -x)", {"/u", " -x", "/"}},
        TSplitCase{"UnquotedPathQuotedArguments",
                   R"(C:\Halvena\unins.exe "/log" "x y")",
                   {R"(C:\Halvena\unins.exe)", R"("/log" "x y")", R"(C:\Halvena\)"}},
        TSplitCase{"UnquotedPathWithoutQuotes", "/opt/h/uninstall -q", {}},
        TSplitCase{"UnclosedQuote", R"("/opt/h/uninstall -q)", {}},
        TSplitCase{"BareName", R"(unins "a")", {"unins", R"("a")", ""}},
        TSplitCase{"Empty", "", {}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(UninstallSplitLimits, OverlongPartsStartNothing) {
  const std::string longPath = "/" + std::string(kMaxCommandPart, 'a');
  EXPECT_TRUE(SplitUninstallCommand("\"" + longPath + "\"").Executable.empty());
  const std::string fits = "/" + std::string(kMaxCommandPart - 1, 'a');
  EXPECT_EQ(SplitUninstallCommand("\"" + fits + "\"").Executable, fits);
  EXPECT_TRUE(
      SplitUninstallCommand("\"/u\" " + std::string(kMaxCommandPart + 1, 'x')).Executable.empty());
}

class UninstallRun : public test::TProgramFolderTest {
 protected:
  // Waits up to five seconds for `path` to appear with content.
  static QByteArray WaitForFile(const QString& path) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 5000) {
      QFile file(path);
      if (file.open(QIODevice::ReadOnly) && file.size() > 0) return file.readAll();
      QThread::msleep(20);
    }
    return {};
  }
};

TEST_F(UninstallRun, StartsTheRegisteredUninstallerInItsFolder) {
  const QString script = PathOf(QStringLiteral("tools dir/uninstall"));
  const QString out = PathOf(QStringLiteral("out.txt"));
  WriteFile(QStringLiteral("tools dir/uninstall"),
            "#!/bin/sh\n{ pwd; for a in \"$@\"; do echo \"[$a]\"; done; } > \"$1.tmp\"\n"
            "mv \"$1.tmp\" \"$1\"\n");
  QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  WriteFile(QStringLiteral("uninstall.ini"),
            "; written by the installation\r\n[Other]\r\nUninstallString=\"/bin/false\"\r\n"
            "[software\\microsoft\\windows\\currentversion\\uninstall\\HALVENA]\r\n"
            "DisplayName=Halvena\r\nuninstallstring=\"" +
                script.toStdString() + "\" \"" + out.toStdString() + "\" \"two words\" \"\"\r\n");
  RunUninstaller();
  // The arguments split as a command line: quotes group and go, "" alone is an empty one.
  EXPECT_EQ(WaitForFile(out),
            QFileInfo(script).path().toUtf8() + "\n[" + out.toUtf8() + "]\n[two words]\n[]\n");
}

TEST_F(UninstallRun, NothingRegisteredStartsNothing) {
  RunUninstaller();  // no record at all
  WriteFile(QStringLiteral("uninstall.ini"),
            "[Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Halvena]\n"
            "UninstallString=/bin/touch " +
                PathOf(QStringLiteral("touched")).toStdString() + "\n");
  RunUninstaller();  // unquoted path without quoted arguments: no executable
  QThread::msleep(200);
  EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("touched"))));
}

}  // namespace
}  // namespace halvena
