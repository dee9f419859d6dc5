// Helpers of the control tests: rendering a control into an image, solid test pictures,
// counting pixels and a display depth that holds for one test.
#pragma once

#include <QImage>
#include <QTest>
#include <QWidget>

#include "platform/Display.h"

namespace halvena {

// The control as it paints itself over `background`.
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

// Sets the display's bits per pixel for the lifetime of the object.
class TDepthOverride {
 public:
  explicit TDepthOverride(int bitsPerPixel) { SetDisplayOverride({1024, 768, bitsPerPixel}); }
  ~TDepthOverride() { ClearDisplayOverride(); }
  TDepthOverride(const TDepthOverride&) = delete;
  TDepthOverride& operator=(const TDepthOverride&) = delete;
};

}  // namespace halvena
