#include "assets/Shading.h"

#include <QImage>
#include <QLinearGradient>
#include <random>

namespace halvena::assets {
namespace {

constexpr int kGrainTile = 96;

// A tile of specks: each pixel is white or black with a small random opacity.
QImage GrainTile(int strength) {
  QImage tile(kGrainTile, kGrainTile, QImage::Format_ARGB32_Premultiplied);
  std::mt19937 random(20260);
  std::uniform_int_distribution<int> level(-strength, strength);
  for (int y = 0; y < kGrainTile; ++y) {
    auto* row = reinterpret_cast<QRgb*>(tile.scanLine(y));
    for (int x = 0; x < kGrainTile; ++x) {
      const int value = level(random);
      const int alpha = value < 0 ? -value : value;
      const int grey = value < 0 ? 0 : alpha;  // premultiplied white or black
      row[x] = qRgba(grey, grey, grey, alpha);
    }
  }
  return tile;
}

}  // namespace

QColor Mix(const QColor& color, const QColor& other, double amount) {
  const auto mix = [amount](int a, int b) { return static_cast<int>(a + (b - a) * amount + 0.5); };
  return QColor(mix(color.red(), other.red()), mix(color.green(), other.green()),
                mix(color.blue(), other.blue()));
}

void Grain(QPainter& painter, const QPainterPath& area, int strength) {
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QBrush(GrainTile(strength)));
  painter.drawPath(area);
  painter.restore();
}

void Well(QPainter& painter, const QPainterPath& area, const QColor& top, const QColor& bottom,
          double scale) {
  const QRectF box = area.boundingRect();
  painter.save();
  painter.setPen(Qt::NoPen);
  QLinearGradient fill(box.topLeft(), box.bottomLeft());
  fill.setColorAt(0, top);
  fill.setColorAt(1, bottom);
  painter.setBrush(fill);
  painter.drawPath(area);

  // The shadow of the upper edge falls a few pixels into the well.
  painter.setClipPath(area);
  const double depth = 7 * scale;
  QLinearGradient shade(box.topLeft(), box.topLeft() + QPointF(0, depth));
  shade.setColorAt(0, QColor(0, 0, 0, 90));
  shade.setColorAt(1, QColor(0, 0, 0, 0));
  painter.setBrush(shade);
  painter.drawRect(box);
  QLinearGradient side(box.topLeft(), box.topLeft() + QPointF(depth * 0.6, 0));
  side.setColorAt(0, QColor(0, 0, 0, 50));
  side.setColorAt(1, QColor(0, 0, 0, 0));
  painter.setBrush(side);
  painter.drawRect(box);
  painter.setClipping(false);

  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0, 0, 0, 110), scale));
  painter.drawPath(area);
  painter.restore();
}

void Rim(QPainter& painter, const QRectF& inner, double radius, double width, double scale) {
  const QRectF outer = inner.adjusted(-width, -width, width, width);
  QPainterPath ring = RoundedRect(outer, radius + width);
  ring = ring.subtracted(RoundedRect(inner, radius));
  painter.save();
  QLinearGradient light(outer.topLeft(), outer.bottomLeft());
  light.setColorAt(0, Mix(colors::kMist, colors::kPale, 0.4));
  light.setColorAt(0.5, Mix(colors::kPale, colors::kWindow, 0.5));
  light.setColorAt(1, colors::kSage);
  painter.setPen(Qt::NoPen);
  painter.setBrush(light);
  painter.drawPath(ring);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(30, 54, 42, 170), scale));
  painter.drawPath(RoundedRect(outer.adjusted(scale / 2, scale / 2, -scale / 2, -scale / 2),
                               radius + width - scale / 2));
  painter.restore();
}

QPainterPath RoundedRect(const QRectF& rect, double radius) {
  QPainterPath path;
  path.addRoundedRect(rect, radius, radius);
  return path;
}

}  // namespace halvena::assets
