#include "assets/ScrollBar.h"

#include <QPainter>
#include <QPolygonF>

namespace halvena::assets {
namespace {

constexpr int kSize = 16;
const QColor kListColor(140, 177, 156);
const QColor kFace(198, 219, 207);
const QColor kLight(232, 242, 236);
const QColor kShade(98, 133, 113);
const QColor kInk(38, 64, 50);

// A raised button on the list colour; `paintGlyph` draws on top of it.
template <typename Glyph>
QImage Button(int ratio, Glyph paintGlyph) {
  QImage image(kSize * ratio, kSize * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(kListColor);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kShade, 1.0));
  painter.setBrush(kFace);
  painter.drawRoundedRect(QRectF(0.5, 0.5, kSize - 1, kSize - 1), 3, 3);
  painter.setPen(QPen(kLight, 1.0));
  painter.drawLine(QPointF(3, 1.5), QPointF(kSize - 3, 1.5));
  painter.drawLine(QPointF(1.5, 3), QPointF(1.5, kSize - 3));
  painter.setPen(Qt::NoPen);
  painter.setBrush(kInk);
  paintGlyph(painter);
  return image;
}

QImage Arrow(bool up, int ratio) {
  return Button(ratio, [up](QPainter& painter) {
    const qreal tip = up ? 5 : 11;
    const qreal base = up ? 10.5 : 5.5;
    painter.drawPolygon(QPolygonF({{4, base}, {12, base}, {8, tip}}));
  });
}

}  // namespace

QImage ScrollUp(int ratio) {
  return Arrow(true, ratio);
}

QImage ScrollDown(int ratio) {
  return Arrow(false, ratio);
}

QImage ScrollThumb(int ratio) {
  return Button(ratio, [](QPainter& painter) {
    for (const int y : {5, 7, 9}) painter.drawRect(QRectF(4.5, y, 7, 1.2));
  });
}

}  // namespace halvena::assets
