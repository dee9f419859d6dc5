// halvena: the medical dictionary. With the argument "uninstall" it removes its installation
// instead, without opening a window.
#include <QApplication>
#include <QCoreApplication>

#include "app/StartUp.h"
#include "platform/SingleInstance.h"

int main(int argc, char** argv) {
  // The application name is also the X11 window class by which the desktop knows the window.
  QCoreApplication::setApplicationName(halvena::kMainWindowClass);
  if (halvena::IsUninstallCommand(argc, argv)) {
    QCoreApplication app(argc, argv);
    return halvena::RunUninstallCommand(halvena::InstanceChannel(halvena::kMainWindowClass));
  }
  QApplication app(argc, argv);
  return halvena::RunProgram(halvena::InstanceChannel(halvena::kMainWindowClass));
}
