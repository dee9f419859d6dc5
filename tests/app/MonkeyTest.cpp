// A monkey at the window: thousands of random but reproducible mouse moves, clicks, wheel turns
// and key strokes over every control of the real window, with the close query at a random
// moment among them, at each screen-size class, on the built sample dictionary and on an empty
// program folder. The window must neither crash nor trip the sanitizers, and (outside sanitizer
// builds, whose quarantine holds freed memory on purpose) its memory must settle.
//
// HALVENA_MONKEY_EVENTS sets the number of events per run (default 2000); HALVENA_MONKEY_SEED
// the seed (default 20261207).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "app/About.h"
#include "app/Main.h"
#include "base/ProgramFolder.h"
#include "platform/Display.h"
#include "platform/Printers.h"

namespace halvena {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

int EnvNumber(const char* name, int fallback) {
  bool ok = false;
  const int value = qEnvironmentVariableIntValue(name, &ok);
  return ok && value > 0 ? value : fallback;
}

// Resident memory of this process in kB.
long ResidentKilobytes() {
  long pages = 0, resident = 0;
  if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return resident * 4;
}

struct TMonkeyCase {
  const char* Name;
  int ScreenWidth, ScreenHeight;
  bool SampleDictionary;
};

class WindowMonkey : public ::testing::TestWithParam<TMonkeyCase> {
 protected:
  void SetUp() override {
    FSavedCurrent = QDir::currentPath();
    FSavedPath = qgetenv("PATH");
    // Help and the about window's links start the desktop's opener: a stand-in that does
    // nothing takes its place.
    const QString opener = FBin.filePath(QStringLiteral("xdg-open"));
    QFile script(opener);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nexit 0\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", FBin.path().toLocal8Bit() + ":" + FSavedPath);
    SetPrintersInstalledOverride(false);
  }
  void TearDown() override {
    qputenv("PATH", FSavedPath);
    ClearPrintersInstalledOverride();
    SetProgramFolder({});
    ClearDisplayOverride();
    QDir::setCurrent(FSavedCurrent);
  }

  QTemporaryDir FBin;
  QTemporaryDir FEmptyFolder;
  QString FSavedCurrent;
  QByteArray FSavedPath;
};

// Every visible widget of the program but `spared`: the main window's controls and any other
// window it opened (the about window).
std::vector<QWidget*> Targets(const QWidget* spared) {
  std::vector<QWidget*> targets;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (!top->isVisible()) continue;
    targets.push_back(top);
    for (QWidget* child : top->findChildren<QWidget*>()) {
      if (child->isVisible() && child != spared) targets.push_back(child);
    }
  }
  return targets;
}

TEST_P(WindowMonkey, RandomInputNeverBreaksTheWindow) {
  const TMonkeyCase& c = GetParam();
  SetProgramFolder(c.SampleDictionary ? std::string(HALVENA_PROGRAM_DIR)
                                      : FEmptyFolder.path().toStdString());
  SetDisplayOverride({c.ScreenWidth, c.ScreenHeight, 32});
  const int events = EnvNumber("HALVENA_MONKEY_EVENTS", 2000);
  std::mt19937 random(static_cast<unsigned>(EnvNumber("HALVENA_MONKEY_SEED", 20261207)));
  const auto below = [&random](int n) {
    return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(random));
  };

  TMainForm form;
  ASSERT_FALSE(form.ScreenTooSmall());
  bool closed = false;
  form.OnClosed = [&closed] { closed = true; };
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  const int closeAt = events / 2 + below(events / 2);
  static const Qt::Key kKeys[] = {
      Qt::Key_A,        Qt::Key_H,     Qt::Key_Z,        Qt::Key_Space,
      Qt::Key_Return,   Qt::Key_Enter, Qt::Key_Escape,   Qt::Key_Backspace,
      Qt::Key_Up,       Qt::Key_Down,  Qt::Key_PageDown, Qt::Key_Home,
      Qt::Key_QuoteDbl, Qt::Key_Plus,  Qt::Key_Minus,    Qt::Key_Percent};
  static const Qt::KeyboardModifiers kModifiers[] = {
      Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
  long residentAfterWarmUp = 0;
  for (int step = 0; step < events; ++step) {
    if (step == 1000) residentAfterWarmUp = ResidentKilobytes();
    if (step == closeAt && !closed) {
      form.close();
      continue;
    }
    // The quit button would close the window within the first few hundred events; the close
    // comes once, at its random moment.
    const std::vector<QWidget*> targets = Targets(form.QuitBtn);
    if (targets.empty()) {
      QApplication::processEvents();
      continue;
    }
    QWidget* target = targets[static_cast<std::size_t>(below(static_cast<int>(targets.size())))];
    const QPoint at(below(std::max(1, target->width())), below(std::max(1, target->height())));
    const Qt::KeyboardModifiers modifiers = kModifiers[below(5)];
    switch (below(10)) {
      case 0:
      case 1:
      case 2:
      case 3:
        QTest::mouseMove(target, at);
        break;
      case 4:
      case 5:
        QTest::mouseClick(target, below(6) == 0 ? Qt::RightButton : Qt::LeftButton, modifiers, at);
        break;
      case 6: {
        const QPoint global = target->mapToGlobal(at);
        QWheelEvent wheel(QPointF(at), QPointF(global), QPoint(0, below(3) - 1),
                          QPoint(0, (below(2) == 0 ? 1 : -1) * 120), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
        break;
      }
      default: {
        QWidget* focus =
            QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : target;
        QTest::keyClick(focus, kKeys[below(16)], modifiers);
        break;
      }
    }
    if (step % 16 == 0) QApplication::processEvents();
  }
  QApplication::processEvents();
  EXPECT_TRUE(closed || form.Closing() || form.isVisible());
  if (!kSanitized && residentAfterWarmUp > 0) {
    EXPECT_LE(ResidentKilobytes(), residentAfterWarmUp * 11 / 10)
        << "resident memory after 1000 events: " << residentAfterWarmUp << " kB";
  }
  form.close();
  QApplication::processEvents();
  FreeAboutBox();
}

INSTANTIATE_TEST_SUITE_P(Classes, WindowMonkey,
                         ::testing::Values(TMonkeyCase{"SampleClass0", 800, 600, true},
                                           TMonkeyCase{"SampleClass1", 1024, 768, true},
                                           TMonkeyCase{"SampleClass2", 1280, 1024, true},
                                           TMonkeyCase{"EmptyClass0", 800, 600, false},
                                           TMonkeyCase{"EmptyClass1", 1024, 768, false},
                                           TMonkeyCase{"EmptyClass2", 1280, 1024, false}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace halvena
