#include "output/BrowserStart.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace halvena {
namespace {

constexpr std::string_view kAddress = "https://a.example/x";

TEST(HelpAddress, CarriesTheThreeValuesLowerCased) {
  EXPECT_EQ(HelpAddress(),
            "https://help.tarnix.example/index.dll?lngid=31&customerno=zenta"
            "&programlabel=tervolin&programversionnumber=2032&show=onlinehelp");
  EXPECT_EQ(HelpAddress("https://h.example/", "AbC-9", "TerVolin", 7),
            "https://h.example/index.dll?lngid=31&customerno=abc-9&programlabel=tervolin"
            "&programversionnumber=7&show=onlinehelp");
  EXPECT_EQ(HelpAddress("h/", "", "x", 1),
            "h/index.dll?lngid=31&customerno=&programlabel=x&programversionnumber=1"
            "&show=onlinehelp");
}

struct TCommandCase {
  const char* Name;
  const char* CommandLine;
  const char* Executable;
  const char* Parameters;
};

class BrowserCommandCases : public ::testing::TestWithParam<TCommandCase> {};

TEST_P(BrowserCommandCases, CleansAndSplitsTheOpenCommand) {
  const TCommandCase& c = GetParam();
  const std::optional<TBrowserCommand> command = BrowserCommand(c.CommandLine, kAddress);
  ASSERT_TRUE(command);
  EXPECT_EQ(command->Executable, c.Executable);
  EXPECT_EQ(command->Parameters, c.Parameters);
}

INSTANTIATE_TEST_SUITE_P(
    OpenCommands, BrowserCommandCases,
    ::testing::Values(
        TCommandCase{"QuotedPathAndPlaceholder", R"("C:\Program Files\Web\web.exe" "%1")",
                     R"(C:\Program Files\Web\web.exe)", "https://a.example/x"},
        TCommandCase{"SwitchesBeforeThePlaceholder", R"(C:\Web\web.exe -nohome "%1")",
                     R"(C:\Web\web.exe)", "-nohome  https://a.example/x"},
        TCommandCase{"BatchFileBeforeExecutable", R"(C:\run.bat C:\Web\web.exe %1)",
                     R"(C:\run.bat)", R"(C:\Web\web.exe  https://a.example/x)"},
        TCommandCase{"ExeBeforeCom", R"(C:\a.com C:\b.exe -x)", R"(C:\a.com C:\b.exe)",
                     "-x https://a.example/x"},
        TCommandCase{"LowerCaseExtension", R"(c:\web\web.exe "%1")", R"(c:\web\web.exe)",
                     "https://a.example/x"},
        TCommandCase{"ExtensionAtTheEndIsNotFound", R"("C:\Web\web.EXE")", R"(C:\Web\web.EXE)",
                     "https://a.example/x"},
        TCommandCase{"NoPlaceholder", "web.exe -new", "web.exe", "-new https://a.example/x"},
        TCommandCase{"OpenerWithoutExtension", R"("/usr/bin/xdg-open" "%1")", "/usr/bin/xdg-open ",
                     "https://a.example/x"},
        TCommandCase{"PercentAtTheEnd", "web.exe %", "web.exe", "https://a.example/x"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(BrowserCommand, RefusesProgramsAndParametersLongerThan1023Characters) {
  const std::string address(1000, 'a');
  const std::string fits(1019, 'p');  // with ".exe": 1023
  ASSERT_TRUE(BrowserCommand(fits + ".exe %1", address));
  EXPECT_EQ(BrowserCommand(fits + ".exe %1", address)->Executable.size(), 1023u);
  EXPECT_FALSE(BrowserCommand(fits + "p.exe %1", address));
  EXPECT_FALSE(BrowserCommand(std::string(5000, 'q'), address));

  EXPECT_EQ(BrowserCommand("web.exe %1", std::string(1023, 'a'))->Parameters.size(), 1023u);
  EXPECT_FALSE(BrowserCommand("web.exe %1", std::string(1024, 'a')));
  EXPECT_FALSE(BrowserCommand("web.exe " + std::string(1020, 's') + " %1", "abc"));
}

// A classes root of a few keys, and a shell that records what it was asked to start.
struct TFakeSystem {
  std::map<std::string, std::string> Keys;
  int Answer = 42;
  std::vector<std::pair<std::string, std::string>> Started;
  std::vector<std::string> Read;

  bool Open(std::string_view address) {
    return OpenInBrowser(
        address,
        [this](std::string_view key) -> std::optional<std::string> {
          Read.emplace_back(key);
          const auto it = Keys.find(std::string(key));
          if (it == Keys.end()) return std::nullopt;
          return it->second;
        },
        [this](const std::string& executable, const std::string& parameters) {
          Started.emplace_back(executable, parameters);
          return Answer;
        });
  }
};

TEST(OpenInBrowser, StartsTheCommandOfTheFirstRegisteredExtension) {
  TFakeSystem system;
  system.Keys = {{".HTM", "webpage"},
                 {".SHTML", "other"},
                 {"webpage\\Shell\\Open\\Command", R"("C:\Web\web.exe" -tab "%1")"},
                 {"other\\Shell\\Open\\Command", "other.exe %1"}};
  EXPECT_TRUE(system.Open(kAddress));
  EXPECT_EQ(system.Read,
            (std::vector<std::string>{".HTML", ".HTM", "webpage\\Shell\\Open\\Command"}));
  ASSERT_EQ(system.Started.size(), 1u);
  EXPECT_EQ(system.Started[0].first, R"(C:\Web\web.exe)");
  EXPECT_EQ(system.Started[0].second, "-tab  https://a.example/x");
}

TEST(OpenInBrowser, StartsNothingWithoutARegisteredCommand) {
  TFakeSystem none;
  EXPECT_FALSE(none.Open(kAddress));
  EXPECT_EQ(none.Read, (std::vector<std::string>{".HTML", ".HTM", ".SHTML", ".SHTM"}));

  TFakeSystem typeOnly;
  typeOnly.Keys = {{".SHTM", "webpage"}};
  EXPECT_FALSE(typeOnly.Open(kAddress));

  TFakeSystem emptyCommand;
  emptyCommand.Keys = {{".HTML", "webpage"}, {"webpage\\Shell\\Open\\Command", ""}};
  EXPECT_FALSE(emptyCommand.Open(kAddress));

  TFakeSystem tooLong;
  tooLong.Keys = {{".HTML", "webpage"}, {"webpage\\Shell\\Open\\Command", "web.exe %1"}};
  EXPECT_FALSE(tooLong.Open(std::string(2000, 'a')));

  for (const TFakeSystem* system : {&none, &typeOnly, &emptyCommand, &tooLong}) {
    EXPECT_TRUE(system->Started.empty());
  }
}

TEST(OpenInBrowser, AnswersTrueExactlyWhenTheShellReportsAbove31) {
  TFakeSystem system;
  system.Keys = {{".HTML", "webpage"}, {"webpage\\Shell\\Open\\Command", "web.exe %1"}};
  system.Answer = 31;
  EXPECT_FALSE(system.Open(kAddress));
  system.Answer = 32;
  EXPECT_TRUE(system.Open(kAddress));
  system.Answer = 2;
  EXPECT_FALSE(system.Open(kAddress));
  EXPECT_EQ(system.Started.size(), 3u);
}

}  // namespace
}  // namespace halvena
