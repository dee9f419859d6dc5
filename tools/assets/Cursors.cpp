#include "assets/Cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

namespace halvena::assets {
namespace {

constexpr int kSize = 32;

QPainterPath Rounded(qreal x, qreal y, qreal w, qreal h, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(x, y, w, h, radius, radius);
  return path;
}

// A thumb: a thick stroke with round ends from the palm outwards.
QPainterPath Thumb(QPointF from, QPointF to, qreal width) {
  QPainterPath line(from);
  line.lineTo(to);
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(Qt::RoundCap);
  return stroker.createStroke(line);
}

// Paints `outline` white with a black edge and the crease lines black, and records the hot spot.
QImage Draw(const QPainterPath& outline, const QVector<QLineF>& creases, QPoint hotSpot) {
  QImage image(kSize, kSize, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(outline.simplified());
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawLines(creases);
  }
  image.setText(QStringLiteral("HotSpotX"), QString::number(hotSpot.x()));
  image.setText(QStringLiteral("HotSpotY"), QString::number(hotSpot.y()));
  return image;
}

}  // namespace

QImage HandCursor() {
  QPainterPath hand = Rounded(11, 1, 5, 17, 2.5);      // index finger
  hand = hand.united(Rounded(15.5, 10, 4.5, 9, 2.2));  // middle finger, folded
  hand = hand.united(Rounded(19.5, 11, 4.5, 8, 2.2));  // ring finger
  hand = hand.united(Rounded(23.5, 12.5, 4, 7, 2));    // little finger
  hand = hand.united(Rounded(11, 15, 16.5, 12, 3));    // palm
  hand = hand.united(Thumb({11, 22}, {5.5, 15.5}, 4.5));
  hand = hand.united(Rounded(13, 26, 13, 5, 1));  // cuff
  return Draw(hand,
              {{15.5, 12, 15.5, 17}, {19.5, 13, 19.5, 17}, {23.5, 14, 23.5, 18}, {13, 26, 26, 26}},
              {13, 1});
}

QImage HandNoFingersCursor() {
  QPainterPath hand = Rounded(10, 3, 15, 23, 6);  // palm with the fingers closed
  hand = hand.united(Thumb({11, 20}, {5, 13}, 4.5));
  hand = hand.united(Rounded(12, 25, 12, 6, 1));  // cuff
  return Draw(hand, {{15, 4, 15, 11}, {19, 4, 19, 11}, {12, 25, 24, 25}}, {17, 14});
}

}  // namespace halvena::assets
