// Helpers of the tests that paint widgets: rendering into an image, solid pictures, counting
// pixels, showing a window, sending mouse events and counting paint events. User-interface
// thread only, inside the QApplication of the test main.
#pragma once

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>
#include <QTest>
#include <QWidget>

namespace halvena::test {

// The widget and its children as they paint themselves over `background`.
inline QImage Render(QWidget& widget, QColor background = Qt::white) {
  QImage image(widget.size(), QImage::Format_RGB32);
  image.fill(background);
  widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  return image;
}

inline QImage SolidImage(int width, int height, QColor colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

// Pixels of `colour` inside `area` of `image`.
inline int CountColour(const QImage& image, const QRect& area, QColor colour) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.valid(x, y) && image.pixelColor(x, y).rgb() == colour.rgb()) ++count;
    }
  }
  return count;
}

// Shows `widget` as a window and waits until it can paint at once.
inline bool ShowAndWait(QWidget& widget) {
  widget.show();
  return QTest::qWaitForWindowExposed(&widget);
}

// Sends `widget` a mouse event at `at` (its own coordinates) through the application, so that
// event filters see it.
inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

// Whether Qt's accessibility is active, so that the controls' announcements are delivered. Only
// a real platform with an accessibility bus has it; it turns on shortly after the start, so this
// waits up to two seconds for it there.
inline bool AccessibilityActive() {
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) return false;
  QElapsedTimer waited;
  waited.start();
  while (!QAccessible::isActive() && waited.elapsed() < 2000) QTest::qWait(20);
  return QAccessible::isActive();
}

// Counts the paint events a widget receives while the object lives, and the area they paint.
class TPaintCounter : public QObject {
 public:
  explicit TPaintCounter(QWidget& widget) : FWidget(widget) { widget.installEventFilter(this); }
  ~TPaintCounter() override { FWidget.removeEventFilter(this); }
  TPaintCounter(const TPaintCounter&) = delete;
  TPaintCounter& operator=(const TPaintCounter&) = delete;

  int Paints() const { return FPaints; }
  // Every pixel the counted paints covered.
  const QRegion& Painted() const { return FPainted; }
  // Lets pending events run until a paint arrives (or a second has passed), then a little
  // longer, so that a second paint pending behind the first arrives too.
  int PaintsAfterEvents() {
    QElapsedTimer waited;
    waited.start();
    while (FPaints == 0 && waited.elapsed() < 1000) QTest::qWait(5);
    QTest::qWait(20);
    return FPaints;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &FWidget && event->type() == QEvent::Paint) {
      ++FPaints;
      FPainted += static_cast<QPaintEvent*>(event)->region();
    }
    return false;
  }

 private:
  QWidget& FWidget;
  int FPaints = 0;
  QRegion FPainted;
};

}  // namespace halvena::test
