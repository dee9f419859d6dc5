#include "platform/Application.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <map>
#include <optional>

#include "platform/Resources.h"

namespace halvena {
namespace {

std::map<int, QCursor>& CursorTable() {
  static std::map<int, QCursor> table;
  return table;
}

int& PendingDepth() {
  static int depth = 0;
  return depth;
}

bool& HourglassShown() {
  static bool shown = false;
  return shown;
}

}  // namespace

void MinimizeApplication() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible()) window->showMinimized();
  }
}

void ProcessMessages() {
  if (QCoreApplication::instance() == nullptr) return;
  ++PendingDepth();
  QCoreApplication::processEvents();
  --PendingDepth();
}

int PendingMessagesDepth() {
  return PendingDepth();
}

void SetHourglass(bool on) {
  if (qGuiApp == nullptr || HourglassShown() == on) return;
  if (on) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QGuiApplication::restoreOverrideCursor();
  }
  HourglassShown() = on;
}

QCursor GlobalCursor(int slot) {
  const auto it = CursorTable().find(slot);
  return it == CursorTable().end() ? QCursor(Qt::ArrowCursor) : it->second;
}

void SetGlobalCursor(int slot, const QCursor& cursor) {
  CursorTable()[slot] = cursor;
}

void LoadProgramCursors() {
  if (const std::optional<QCursor> hand = CursorResource(QStringLiteral("HandCursor"))) {
    SetGlobalCursor(crHand, *hand);
  }
  if (const std::optional<QCursor> flat = CursorResource(QStringLiteral("HandNoFingersCursor"))) {
    SetGlobalCursor(crFlatHand, *flat);
  }
}

}  // namespace halvena
