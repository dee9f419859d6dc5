#include "app/StartUp.h"

#include <QApplication>
#include <QDateTime>
#include <cstdlib>
#include <memory>

#include "app/About.h"
#include "app/Intro.h"
#include "app/Main.h"
#include "app/Uninstall.h"
#include "controls/Basics.h"
#include "platform/Application.h"
#include "platform/SingleInstance.h"

namespace halvena {

bool IsUninstallCommand(int argc, const char* const* argv) {
  return argc > 1 && QString::fromLocal8Bit(argv[1]).compare(QStringLiteral("uninstall"),
                                                             Qt::CaseInsensitive) == 0;
}

namespace {

void SeedRandom() {
  std::srand(static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch()));
}

}  // namespace

int RunUninstallCommand(const QString& channel) {
  TSingleInstance instance(channel);
  instance.PostToRunningCopy(WM_CLOSE);
  SeedRandom();
  RunUninstaller();
  return 0;
}

int RunProgram(const QString& channel) {
  TSingleInstance instance(channel);
  if (instance.ClaimOrHandOver(WM_SHOWINSTANCE) == TInstanceRole::HandedOver) return 0;
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
