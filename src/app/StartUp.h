// The program entry: the command line, one running copy per user, the "uninstall" command, the
// intro window while the main window is built, the message loop and the tidying up at the end.
// User-interface thread only.
#pragma once

#include <QString>
#include <QtGlobal>
#include <string>
#include <vector>

namespace halvena {

// The main window's class name, by which a later start finds the running copy; also the X11
// window class.
inline const QString kMainWindowClass = QStringLiteral("Halvena");

// What the command line asks for.
enum class TCommandKind { Start, Uninstall, Help, Version, UsageError };

struct TCommandLine {
  TCommandKind Kind = TCommandKind::Start;
  std::string Error;  // for UsageError: what was wrong, in one line
};

// Reads the command line. "uninstall" as the first argument, in any letter case, is the uninstall
// command, whatever follows. Otherwise the first of "-h"/"--help" or "--version" decides; Qt's
// own options ("-platform xcb", "--style=fusion", ...) are left to Qt; any other option is a usage
// error; other arguments are ignored and mean a normal start.
TCommandLine ParseCommandLine(int argc, const char* const* argv);

// The help text of --help and the version line of --version, each ending in a newline.
std::string HelpText();
std::string VersionText();

// True when the first argument (after the program name) is "uninstall" in any letter case.
bool IsUninstallCommand(int argc, const char* const* argv);

// The "uninstall" command, inside an application object that the caller has created: asks a
// running copy on the single-instance socket `channel` to close, without waiting for it, and
// runs the installation's uninstall script. Answers the exit code: 0 when the installation was
// removed, else 1 after one line on standard error that says why.
int RunUninstallCommand(const QString& channel);

// One line for each data folder or file beside the program that is missing: the folder D/ or its
// dictionary D/IDbRecs.dat, the folder I/ with the pictures. Empty when all are there.
std::vector<std::string> MissingProgramData();

// Keeps Qt from aborting when the display cannot be opened: while it lives, a failure to open
// the display while the QApplication is constructed ends the program with "halvena: cannot open
// the display" on standard error and exit code 1, and Qt's other messages are held back; once
// the application stands, Release passes the held messages on and restores Qt's handling.
class TDisplayGuard {
 public:
  TDisplayGuard();
  ~TDisplayGuard();
  TDisplayGuard(const TDisplayGuard&) = delete;
  TDisplayGuard& operator=(const TDisplayGuard&) = delete;
  void Release();

 private:
  QtMessageHandler FPrevious = nullptr;
  bool FActive = false;
};

// A normal start, inside a QApplication that the caller has created: hands over to a copy that
// runs on the single-instance socket `channel`, or else reports missing data on standard error,
// shows the intro window, builds and shows the main window and runs the message loop until the
// window has closed. Answers the exit code: 0, or 1 when the screen is too small for the window.
int RunProgram(const QString& channel);

}  // namespace halvena
