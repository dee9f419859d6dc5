// The program entry: one running copy per user, the "uninstall" command, the intro window while
// the main window is built, the message loop and the tidying up at the end. User-interface
// thread only.
#pragma once

#include <QString>

namespace halvena {

// The main window's class name, by which a later start finds the running copy; also the X11
// window class.
inline const QString kMainWindowClass = QStringLiteral("Halvena");

// True when the first argument (after the program name) is "uninstall" in any letter case; any
// other argument, or none, means a normal start.
bool IsUninstallCommand(int argc, const char* const* argv);

// The "uninstall" command, inside an application object that the caller has created: asks a
// running copy on the single-instance socket `channel` to close, without waiting for it, and
// starts the registered uninstaller. Answers the exit code, 0.
int RunUninstallCommand(const QString& channel);

// A normal start, inside a QApplication that the caller has created: hands over to a copy that
// runs on the single-instance socket `channel`, or else shows the intro window, builds and shows
// the main window and runs the message loop until the window has closed. Answers the exit code:
// 0, or 1 when the screen is too small for the window.
int RunProgram(const QString& channel);

}  // namespace halvena
