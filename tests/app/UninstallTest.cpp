#include "app/Uninstall.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

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

// A program folder with an uninstall script at its fixed place that notes its working folder and
// arguments in "ran.txt" and then ends with `exitCode`, and an installation record whose
// command line is `commandLine` (the script's own path, quoted, when empty).
class UninstallRun : public test::TProgramFolderTest {
 protected:
  void SetUp() override {
    TProgramFolderTest::SetUp();
    FScript = PathOf(QString::fromUtf8(kUninstallScript.data()));
    FRan = PathOf(QStringLiteral("ran.txt"));
  }

  void WriteScript(const std::string& body) {
    WriteFile(QString::fromUtf8(kUninstallScript.data()), "#!/bin/sh\n" + body);
    QFile::setPermissions(FScript, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  void WriteRecordingScript(int exitCode, const std::string& error = {}) {
    WriteScript("{ pwd; for a in \"$@\"; do echo \"[$a]\"; done; } > '" + FRan.toStdString() +
                "'\n" + (error.empty() ? "" : "echo 'noise' >&2\necho '" + error + "' >&2\n") +
                "exit " + std::to_string(exitCode) + "\n");
  }
  void WriteRecord(const std::string& commandLine) {
    WriteFile(QStringLiteral("installation.ini"),
              "[Installation]\nName=Halvena\nUninstaller=" + commandLine + "\n");
  }
  std::string Quoted(const QString& path) const { return "\"" + path.toStdString() + "\""; }
  QByteArray Ran() const {
    QFile file(FRan);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QString FScript;
  QString FRan;
};

TEST_F(UninstallRun, RunsTheScriptAtItsPlaceWithoutTheRecordsArguments) {
  WriteRecordingScript(0);
  WriteRecord(Quoted(FScript) + " \"/elsewhere/list\" -x");
  const TUninstallOutcome outcome = RunUninstaller();
  EXPECT_TRUE(outcome.Done) << outcome.Reason;
  EXPECT_EQ(Ran(), "/\n");  // waited for, run from the root folder, no arguments
}

TEST_F(UninstallRun, ReadsTheRecordOfEarlierInstallations) {
  WriteRecordingScript(0);
  WriteFile(QStringLiteral("uninstall.ini"),
            "; written by the installation\r\n[Other]\r\nUninstallString=\"/bin/false\"\r\n"
            "[software\\microsoft\\windows\\currentversion\\uninstall\\HALVENA]\r\n"
            "uninstallstring=" +
                Quoted(FScript) + " " + Quoted(PathOf(QStringLiteral("uninstall.manifest"))) +
                "\r\n");
  EXPECT_TRUE(RunUninstaller().Done);
  EXPECT_EQ(Ran(), "/\n");
}

TEST_F(UninstallRun, ARecordNamingAnotherProgramRunsNothing) {
  WriteRecordingScript(0);
  const QString victim = PathOf(QStringLiteral("victim/keep.txt"));
  WriteFile(QStringLiteral("victim/keep.txt"), "x");
  const QString touched = PathOf(QStringLiteral("touched"));
  for (const std::string& commandLine :
       {"\"/bin/sh\" -c \"touch " + touched.toStdString() + "\"",
        "\"/bin/rm\" -rf " + Quoted(QFileInfo(victim).path()),
        Quoted(PathOf(QStringLiteral("other/halvena-uninstall"))),
        "/bin/touch " + touched.toStdString(), std::string("\"unclosed")}) {
    WriteRecord(commandLine);
    const TUninstallOutcome outcome = RunUninstaller();
    EXPECT_FALSE(outcome.Done) << commandLine;
    EXPECT_NE(outcome.Reason.find("nothing was run"), std::string::npos) << outcome.Reason;
  }
  EXPECT_FALSE(QFile::exists(touched));
  EXPECT_TRUE(QFile::exists(victim));
  EXPECT_TRUE(Ran().isEmpty());
}

TEST_F(UninstallRun, WithoutARecordThePackageManagerOwnsTheInstallation) {
  WriteRecordingScript(0);
  const TUninstallOutcome outcome = RunUninstaller();
  EXPECT_FALSE(outcome.Done);
  EXPECT_NE(outcome.Reason.find("package manager"), std::string::npos) << outcome.Reason;
  EXPECT_TRUE(Ran().isEmpty());
}

TEST_F(UninstallRun, AFailingScriptIsReportedWithItsLastLine) {
  WriteRecordingScript(1,
                       "halvena-uninstall: may not remove /x: permission denied; nothing removed");
  WriteRecord(Quoted(FScript));
  TUninstallOutcome outcome = RunUninstaller();
  EXPECT_FALSE(outcome.Done);
  EXPECT_EQ(outcome.Reason, "may not remove /x: permission denied; nothing removed");

  WriteScript("kill -9 $$\n");
  outcome = RunUninstaller();
  EXPECT_FALSE(outcome.Done);
  EXPECT_NE(outcome.Reason.find("partly removed"), std::string::npos) << outcome.Reason;

  QFile::remove(FScript);
  outcome = RunUninstaller();
  EXPECT_FALSE(outcome.Done);
  EXPECT_NE(outcome.Reason.find("is missing"), std::string::npos) << outcome.Reason;
}

}  // namespace
}  // namespace halvena
