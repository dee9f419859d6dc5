#include "app/StartUp.h"

#include <QApplication>
#include <QDateTime>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string_view>

#include "app/About.h"
#include "app/Intro.h"
#include "app/Main.h"
#include "app/Uninstall.h"
#include "base/ProgramFolder.h"
#include "controls/Basics.h"
#include "platform/Application.h"
#include "platform/SingleInstance.h"

namespace halvena {

bool IsUninstallCommand(int argc, const char* const* argv) {
  return argc > 1 && QString::fromLocal8Bit(argv[1]).compare(QStringLiteral("uninstall"),
                                                             Qt::CaseInsensitive) == 0;
}

namespace {

// Qt's own command-line options, without their leading dash; the first group takes a value.
constexpr std::string_view kQtOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "name",          "title",  "visual"};
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

template <std::size_t N>
bool IsOneOf(std::string_view name, const std::string_view (&names)[N]) {
  for (const std::string_view candidate : names) {
    if (name == candidate) return true;
  }
  return false;
}

void SeedRandom() {
  std::srand(static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch()));
}

}  // namespace

TCommandLine ParseCommandLine(int argc, const char* const* argv) {
  if (IsUninstallCommand(argc, argv)) return {TCommandKind::Uninstall, {}};
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "-h" || argument == "--help") return {TCommandKind::Help, {}};
    if (argument == "--version") return {TCommandKind::Version, {}};
    if (argument.size() < 2 || argument.front() != '-') continue;
    // Qt reads its options with one dash or two, and a value after a blank or an "=".
    std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
    const std::size_t equals = name.find('=');
    const bool valueAttached = equals != std::string_view::npos;
    name = name.substr(0, equals);
    if (IsOneOf(name, kQtOptionsWithValue)) {
      if (!valueAttached && ++i >= argc) {
        return {TCommandKind::UsageError, "option " + std::string(argument) + " needs a value"};
      }
      continue;
    }
    if (IsOneOf(name, kQtFlags) && !valueAttached) continue;
    return {TCommandKind::UsageError, "unknown option '" + std::string(argument) + "'"};
  }
  return {TCommandKind::Start, {}};
}

std::string HelpText() {
  return "usage: halvena [uninstall]\n"
         "Halvena, the medical dictionary: contents, keyword search and an anatomical figure.\n"
         "\n"
         "  uninstall    remove an installation made with \"cmake --install\"; one that the\n"
         "               package manager made is removed with the package manager\n"
         "  -h, --help   show this help and exit\n"
         "  --version    show the version and exit\n"
         "\n"
         "Qt's own options (-platform, -display, -style, ...) are passed on to Qt.\n"
         "Exit status: 0 done; 1 no display, screen too small or uninstall failed; 2 usage "
         "error.\n";
}

std::string VersionText() {
  return "halvena " HALVENA_VERSION "\n";
}

int RunUninstallCommand(const QString& channel) {
  TSingleInstance instance(channel);
  instance.PostToRunningCopy(WM_CLOSE);
  SeedRandom();
  const TUninstallOutcome outcome = RunUninstaller();
  if (outcome.Done) return 0;
  std::cerr << "halvena uninstall: " << outcome.Reason << "\n";
  return 1;
}

std::vector<std::string> MissingProgramData() {
  namespace fs = std::filesystem;
  std::vector<std::string> missing;
  std::error_code error;
  const std::string folder = ProgramFolder();
  if (!fs::is_directory(ResolveProgramPath("D"), error)) {
    missing.push_back("the folder D/ with the dictionary is missing in " + folder +
                      "; the window starts without entries");
  } else if (!fs::is_regular_file(ResolveProgramPath("D\\IDbRecs.dat"), error)) {
    missing.push_back("the dictionary D/IDbRecs.dat is missing in " + folder +
                      "; the window starts without entries");
  }
  if (!fs::is_directory(ResolveProgramPath("I"), error)) {
    missing.push_back("the folder I/ with the pictures is missing in " + folder +
                      "; the window starts without its skins");
  }
  return missing;
}

namespace {

// Qt's messages held back while the display is opened.
struct THeldMessage {
  QtMsgType Type;
  std::string File, Function, Category;
  int Line;
  QString Text;
};

std::vector<THeldMessage>& HeldMessages() {
  static std::vector<THeldMessage> messages;
  return messages;
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    std::fputs("halvena: cannot open the display\n", stderr);
    std::fflush(stderr);
    std::_Exit(1);
  }
  HeldMessages().push_back({type, context.file ? context.file : "",
                            context.function ? context.function : "",
                            context.category ? context.category : "", context.line, text});
}

}  // namespace

TDisplayGuard::TDisplayGuard() : FPrevious(qInstallMessageHandler(HoldMessage)), FActive(true) {}

TDisplayGuard::~TDisplayGuard() {
  Release();
}

void TDisplayGuard::Release() {
  if (!FActive) return;
  FActive = false;
  qInstallMessageHandler(FPrevious);
  for (const THeldMessage& message : HeldMessages()) {
    const QMessageLogContext context(message.File.c_str(), message.Line, message.Function.c_str(),
                                     message.Category.c_str());
    qt_message_output(message.Type, context, message.Text);
  }
  HeldMessages().clear();
}

int RunProgram(const QString& channel) {
  TSingleInstance instance(channel);
  if (instance.ClaimOrHandOver(WM_SHOWINSTANCE) == TInstanceRole::HandedOver) return 0;
  for (const std::string& line : MissingProgramData()) std::cerr << "halvena: " << line << "\n";
  SeedRandom();

  // The palettes of the display are built here, before any picture is loaded against them.
  LoadPalettes();
  QApplication::setQuitOnLastWindowClosed(false);
  if (StartOptions & soShowIntro) {
    ShowIntro();
    ProcessMessages();
  }
  int exitCode = 0;
  {
    const auto mainForm = std::make_unique<TMainForm>();
    if (mainForm->ScreenTooSmall()) {
      exitCode = 1;
    } else {
      mainForm->OnClosed = [] { QCoreApplication::quit(); };
      mainForm->show();
      instance.SetOnMessage([form = mainForm.get()](quint32 message) {
        if (message == WM_SHOWINSTANCE) {
          form->WMShowInstance();
        } else if (message == WM_CLOSE) {
          form->close();
        }
      });
      QApplication::exec();
    }
  }
  delete IntroForm;
  IntroForm = nullptr;
  FreeAboutBox();
  ReleasePalettes();
  return exitCode;
}

}  // namespace halvena
