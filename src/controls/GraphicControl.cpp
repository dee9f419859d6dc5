#include "controls/GraphicControl.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QtMath>
#include <algorithm>

#include "platform/Application.h"
#include "platform/Display.h"

namespace halvena {

TMouseButton ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton:
      return TMouseButton::mbRight;
    case Qt::MiddleButton:
      return TMouseButton::mbMiddle;
    default:
      return TMouseButton::mbLeft;
  }
}

TGraphicControl::TGraphicControl(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
  FFont.OnChange = [this] { Invalidate(); };
}

int TGraphicControl::PixelRatio() const {
  return std::max(1, qCeil(devicePixelRatio()));
}

void TGraphicControl::SetColor(const QColor& color) {
  if (FColor == color) return;
  FColor = color;
  Invalidate();
}

void TGraphicControl::SetCursorSlot(int slot) {
  FCursorSlot = slot;
  setCursor(GlobalCursor(slot));
}

void TGraphicControl::Repaint() {
  repaint();
}

void TGraphicControl::Invalidate() {
  update();
}

void TGraphicControl::PaintPart(const QRect& area, const std::function<void()>& draw) {
  if (area.isEmpty()) return;
  // An opaque paint keeps what the window shows under the part, as drawing straight on the
  // screen would; the widgets beneath are not painted again.
  const bool wasOpaque = testAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_OpaquePaintEvent);
  FPartDraw = &draw;
  FPartArea = area;
  repaint(area);
  FPartDraw = nullptr;
  setAttribute(Qt::WA_OpaquePaintEvent, wasOpaque);
}

void TGraphicControl::paintEvent(QPaintEvent* event) {
  TCanvas canvas(this, DisplayMetrics().BitsPerPixel);
  FCanvas = &canvas;
  // A paint that covers more than the part being drawn (the window system asked for it, or
  // an invalidation was pending) paints the whole control.
  if (FPartDraw != nullptr && FPartArea.contains(event->rect())) {
    (*FPartDraw)();
  } else {
    Paint();
  }
  FCanvas = nullptr;
}

void TGraphicControl::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton) FClicked = true;
  MouseDown(ButtonOf(event->button()), event->modifiers(), at.x(), at.y());
}

void TGraphicControl::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  MouseMove(event->modifiers(), at.x(), at.y());
}

void TGraphicControl::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton && FClicked) {
    FClicked = false;
    if (rect().contains(at)) Click();
  }
  MouseUp(ButtonOf(event->button()), event->modifiers(), at.x(), at.y());
}

void TGraphicControl::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton) DblClick();
  MouseDown(ButtonOf(event->button()), event->modifiers(), at.x(), at.y());
}

void TGraphicControl::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) Invalidate();
  QWidget::changeEvent(event);
}

void TGraphicControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TGraphicControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TGraphicControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TGraphicControl::Click() {
  if (OnClick) OnClick(this);
}

void TGraphicControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

}  // namespace halvena
