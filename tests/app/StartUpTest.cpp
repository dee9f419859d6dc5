#include "app/StartUp.h"

#include <gtest/gtest.h>

#include <QDir>
#include <initializer_list>
#include <vector>

#include "AppTesting.h"

namespace halvena {
namespace {

TCommandLine Parse(std::initializer_list<const char*> arguments) {
  std::vector<const char*> argv{"halvena"};
  argv.insert(argv.end(), arguments);
  return ParseCommandLine(static_cast<int>(argv.size()), argv.data());
}

TEST(CommandLine, UninstallAsTheFirstArgumentWinsInAnyCase) {
  EXPECT_EQ(Parse({"UnInstall", "--bogus"}).Kind, TCommandKind::Uninstall);
  EXPECT_EQ(Parse({"x", "uninstall"}).Kind, TCommandKind::Start);
  EXPECT_EQ(Parse({}).Kind, TCommandKind::Start);
}

TEST(CommandLine, HelpAndVersionAnswerWithoutAWindow) {
  EXPECT_EQ(Parse({"--help"}).Kind, TCommandKind::Help);
  EXPECT_EQ(Parse({"word", "-h", "--version"}).Kind, TCommandKind::Help);
  EXPECT_EQ(Parse({"--version", "--bogus"}).Kind, TCommandKind::Version);
  EXPECT_EQ(HelpText().rfind("usage: halvena", 0), 0u);
  EXPECT_EQ(VersionText().rfind("halvena 2.", 0), 0u);
}

TEST(CommandLine, QtsOptionsAndTheirValuesPassOtherOptionsAreErrors) {
  EXPECT_EQ(Parse({"-platform", "offscreen", "--style=fusion", "-reverse"}).Kind,
            TCommandKind::Start);
  // A value that looks like an option belongs to the option before it.
  EXPECT_EQ(Parse({"-display", "--help"}).Kind, TCommandKind::Start);
  const TCommandLine unknown = Parse({"-platform", "xcb", "--verbose"});
  EXPECT_EQ(unknown.Kind, TCommandKind::UsageError);
  EXPECT_EQ(unknown.Error, "unknown option '--verbose'");
  EXPECT_EQ(Parse({"-reverse=1"}).Kind, TCommandKind::UsageError);
  EXPECT_EQ(Parse({"-style"}).Error, "option -style needs a value");
  EXPECT_EQ(Parse({"-"}).Kind, TCommandKind::Start);  // not an option
}

class MissingData : public test::TProgramFolderTest {};

TEST_F(MissingData, NamesEachMissingFolderOrDictionary) {
  std::vector<std::string> missing = MissingProgramData();
  ASSERT_EQ(missing.size(), 2u);
  EXPECT_EQ(missing[0].rfind("the folder D/ with the dictionary is missing in ", 0), 0u);
  EXPECT_EQ(missing[1].rfind("the folder I/ with the pictures is missing in ", 0), 0u);

  WriteFile(QStringLiteral("d/readme"), "x");  // the folder in another letter case counts
  WriteFile(QStringLiteral("i/B/bk6x4"), "x");
  missing = MissingProgramData();
  ASSERT_EQ(missing.size(), 1u);
  EXPECT_EQ(missing[0].rfind("the dictionary D/IDbRecs.dat is missing in ", 0), 0u);

  WriteFile(QStringLiteral("d/idbrecs.dat"), "");
  EXPECT_TRUE(MissingProgramData().empty());
}

}  // namespace
}  // namespace halvena
