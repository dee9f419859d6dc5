// halvena: the medical dictionary. With the argument "uninstall" it removes its installation
// instead, without opening a window; --help and --version answer without one too.
#include <QApplication>
#include <QCoreApplication>
#include <iostream>

#include "app/StartUp.h"
#include "controls/Accessible.h"
#include "platform/SingleInstance.h"

int main(int argc, char** argv) {
  // The application name is also the X11 window class by which the desktop knows the window.
  QCoreApplication::setApplicationName(halvena::kMainWindowClass);
  const halvena::TCommandLine commandLine = halvena::ParseCommandLine(argc, argv);
  switch (commandLine.Kind) {
    case halvena::TCommandKind::Help:
      std::cout << halvena::HelpText();
      return 0;
    case halvena::TCommandKind::Version:
      std::cout << halvena::VersionText();
      return 0;
    case halvena::TCommandKind::UsageError:
      std::cerr << "halvena: " << commandLine.Error << "\nTry 'halvena --help'.\n";
      return 2;
    case halvena::TCommandKind::Uninstall: {
      QCoreApplication app(argc, argv);
      return halvena::RunUninstallCommand(halvena::InstanceChannel(halvena::kMainWindowClass));
    }
    case halvena::TCommandKind::Start:
      break;
  }
  halvena::TDisplayGuard displayGuard;
  QApplication app(argc, argv);
  displayGuard.Release();
  halvena::InstallAccessibleControls();
  return halvena::RunProgram(halvena::InstanceChannel(halvena::kMainWindowClass));
}
