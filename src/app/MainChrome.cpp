// The window chrome of TMainForm: dragging the borderless window by its background and its
// title, minimising, restoring and quitting.
#include <QMouseEvent>

#include "app/Main.h"
#include "platform/Application.h"

namespace halvena {
namespace {

// The top strip of the background and the title that looks grabbable.
constexpr int kGrabStripHeight = 20;

void ShowPointer(QObject* sender, int slot) {
  if (auto* widget = qobject_cast<QWidget*>(sender)) widget->setCursor(GlobalCursor(slot));
}

}  // namespace

void TMainForm::FormMouseDown(QObject* Sender, TMouseButton Button, Qt::MouseButtons, int X,
                              int Y) {
  HintPnl->hide();
  if ((Sender != Bk && Sender != CaptionLbl) || Button != TMouseButton::mbLeft) return;
  // The point is taken in the window's coordinates whatever the sender: press and moves convert
  // alike, so only the differences count.
  const QPoint start = mapToGlobal(QPoint(X, Y));
  DragStartX = start.x();
  DragStartY = start.y();
  ShowPointer(Sender, crHand);
}

void TMainForm::FormMouseMove(QObject* Sender, Qt::MouseButtons Shift, int X, int Y) {
  if ((Sender == Bk || Sender == CaptionLbl) && (Shift & Qt::LeftButton)) {
    const QPoint point = mapToGlobal(QPoint(X, Y));
    move(x() + point.x() - DragStartX, y() + point.y() - DragStartY);
    DragStartX = point.x();
    DragStartY = point.y();
    return;
  }
  ShowPointer(Sender, Y < kGrabStripHeight ? crHand : crFlatHand);
}

void TMainForm::FormMouseUp(QObject* Sender, TMouseButton, Qt::MouseButtons, int, int) {
  HintPnl->hide();
  DragStartX = 0;
  DragStartY = 0;
  ShowPointer(Sender, crFlatHand);
}

void TMainForm::MinimizeBtnClick(TGraphicControl*) {
  AppMinimize();
}

void TMainForm::QuitBtnClick(TGraphicControl*) {
  close();
}

void TMainForm::AppMinimize() {
  showMinimized();
}

void TMainForm::AppRestore() {
  showNormal();
  raise();
  activateWindow();
}

bool TMainForm::RouteDragMouse(QObject* watched, QEvent* event) {
  if (watched != Bk && watched != CaptionLbl) return false;
  auto* mouse = dynamic_cast<QMouseEvent*>(event);
  if (mouse == nullptr) return false;
  const QPoint at = mouse->position().toPoint();
  switch (event->type()) {
    // The second press of a double click is a press like any other.
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      FormMouseDown(watched, ButtonOf(mouse->button()), mouse->buttons(), at.x(), at.y());
      return true;
    case QEvent::MouseMove:
      FormMouseMove(watched, mouse->buttons(), at.x(), at.y());
      return true;
    case QEvent::MouseButtonRelease:
      // A release over the background counts as a press there: the drag start is taken again.
      if (watched == Bk) {
        FormMouseDown(watched, ButtonOf(mouse->button()), mouse->buttons(), at.x(), at.y());
      } else {
        FormMouseUp(watched, ButtonOf(mouse->button()), mouse->buttons(), at.x(), at.y());
      }
      return true;
    default:
      return false;
  }
}

void TMainForm::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  FormMouseDown(this, ButtonOf(event->button()), event->buttons(), at.x(), at.y());
}

void TMainForm::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  FormMouseMove(this, event->buttons(), at.x(), at.y());
}

void TMainForm::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  FormMouseUp(this, ButtonOf(event->button()), event->buttons(), at.x(), at.y());
}

}  // namespace halvena
