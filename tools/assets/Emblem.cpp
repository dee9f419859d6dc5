#include "assets/Emblem.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "assets/Shading.h"

namespace halvena::assets {
namespace {

using namespace colors;

const QColor kZenta(142, 46, 52);
const QColor kTarnix(36, 86, 132);

// A plus sign centred on `centre`; `arm` is the half length of an arm and `thickness` the
// width of one.
QPainterPath Cross(QPointF centre, double arm, double thickness) {
  const double a = arm;
  const double t = thickness / 2;
  QPolygonF plus({{-t, -a},
                  {t, -a},
                  {t, -t},
                  {a, -t},
                  {a, t},
                  {t, t},
                  {t, a},
                  {-t, a},
                  {-t, t},
                  {-a, t},
                  {-a, -t},
                  {-t, -t}});
  QPainterPath cross;
  cross.addPolygon(plus.translated(centre));
  cross.closeSubpath();
  return cross;
}

// Two pages of an open book, their spine at `spine`, `width` wide in all and `height` high.
QPainterPath Book(QPointF spine, double width, double height) {
  QPainterPath book;
  const double half = width / 2;
  const double gap = width * 0.03;
  for (const int side : {-1, 1}) {
    const double inner = spine.x() + side * gap;
    const double outer = spine.x() + side * half;
    QPainterPath page(QPointF(inner, spine.y() + height * 0.12));
    page.cubicTo(QPointF(spine.x() + side * half * 0.45, spine.y() - height * 0.05),
                 QPointF(spine.x() + side * half * 0.8, spine.y() - height * 0.02),
                 QPointF(outer, spine.y()));
    page.lineTo(QPointF(outer, spine.y() + height * 0.82));
    page.cubicTo(QPointF(spine.x() + side * half * 0.8, spine.y() + height * 0.8),
                 QPointF(spine.x() + side * half * 0.45, spine.y() + height * 0.84),
                 QPointF(inner, spine.y() + height));
    page.closeSubpath();
    book.addPath(page);
  }
  return book;
}

}  // namespace

QFont SansFont(double pixels, bool bold, bool italic) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

void DrawEmblem(QPainter& painter, const QRectF& box) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const double size = box.width();
  const QPointF centre = box.center();
  const double ring = std::max(1.0, size * 0.045);

  QRadialGradient disc(centre - QPointF(size * 0.15, size * 0.2), size * 0.65);
  disc.setColorAt(0, Mix(kSage, kMist, 0.35));
  disc.setColorAt(0.6, kSage);
  disc.setColorAt(1, kDeep);
  painter.setPen(QPen(kNight, std::max(1.0, size * 0.02)));
  painter.setBrush(disc);
  const QRectF outer = box.adjusted(ring / 2, ring / 2, -ring / 2, -ring / 2);
  painter.drawEllipse(outer);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(255, 255, 255, 150), ring * 0.6));
  painter.drawEllipse(outer.adjusted(ring * 1.4, ring * 1.4, -ring * 1.4, -ring * 1.4));

  painter.setPen(Qt::NoPen);
  if (size < 24) {
    painter.setBrush(Qt::white);
    painter.drawPath(Cross(centre, size * 0.3, size * 0.2));
    painter.restore();
    return;
  }
  // The cross above, the book below; each casts a faint shadow on the disc.
  const QPainterPath cross = Cross(centre - QPointF(0, size * 0.16), size * 0.17, size * 0.11);
  const QPainterPath book = Book(centre + QPointF(0, size * 0.1), size * 0.58, size * 0.26);
  const QPointF drop(size * 0.012, size * 0.018);
  painter.setBrush(QColor(0, 0, 0, 60));
  painter.drawPath(cross.translated(drop));
  painter.drawPath(book.translated(drop));
  QLinearGradient white(box.topLeft(), box.bottomLeft());
  white.setColorAt(0, Qt::white);
  white.setColorAt(1, kMist);
  painter.setBrush(white);
  painter.drawPath(cross);
  painter.drawPath(book);
  painter.restore();
}

void DrawZentaLogo(QPainter& painter, const QRectF& box) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const double unit = box.width() / 78;
  const QRectF mark(box.left() + 11 * unit, box.top() + 4 * unit, 56 * unit, 56 * unit);
  QLinearGradient fill(mark.topLeft(), mark.bottomRight());
  fill.setColorAt(0, Mix(kZenta, Qt::white, 0.25));
  fill.setColorAt(1, Mix(kZenta, Qt::black, 0.25));
  painter.setPen(QPen(Mix(kZenta, Qt::black, 0.45), unit));
  painter.setBrush(fill);
  painter.drawRoundedRect(mark, 10 * unit, 10 * unit);

  // A "Z" made of two leaning pages joined by a diagonal.
  const double l = mark.left() + 13 * unit;
  const double r = mark.right() - 13 * unit;
  const double t = mark.top() + 14 * unit;
  const double b = mark.bottom() - 14 * unit;
  const double bar = 6 * unit;
  QPolygonF z({{l, t},
               {r, t},
               {r, t + bar},
               {l + bar * 1.4, b - bar},
               {r, b - bar},
               {r, b},
               {l, b},
               {l, b - bar},
               {r - bar * 1.4, t + bar},
               {l, t + bar}});
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 70));
  painter.drawPolygon(z.translated(unit, 1.5 * unit));
  painter.setBrush(QColor(255, 248, 240));
  painter.drawPolygon(z);

  painter.setPen(Mix(kZenta, Qt::black, 0.2));
  QFont name = SansFont(17 * unit, true);
  name.setLetterSpacing(QFont::AbsoluteSpacing, 2 * unit);
  painter.setFont(name);
  painter.drawText(QRectF(box.left(), box.top() + 62 * unit, box.width(), 19 * unit),
                   Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("ZENTA"));
  QFont small = SansFont(10 * unit);
  small.setLetterSpacing(QFont::AbsoluteSpacing, 1.2 * unit);
  painter.setFont(small);
  painter.setPen(Mix(kZenta, kNight, 0.5));
  painter.drawText(QRectF(box.left(), box.top() + 80 * unit, box.width(), 13 * unit),
                   Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("uitgeverij"));
  painter.restore();
}

void DrawTarnixLogo(QPainter& painter, const QRectF& box) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const double unit = box.height() / 40;
  const QPointF centre(box.left() + 20 * unit, box.top() + 20 * unit);
  const double radius = 17 * unit;
  QPolygonF hexagon;
  for (int i = 0; i < 6; ++i) {
    const double angle = std::numbers::pi / 3 * i + std::numbers::pi / 6;
    hexagon << centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
  }
  QLinearGradient fill(box.topLeft(), box.bottomLeft());
  fill.setColorAt(0, Mix(kTarnix, Qt::white, 0.3));
  fill.setColorAt(1, Mix(kTarnix, Qt::black, 0.2));
  painter.setPen(QPen(Mix(kTarnix, Qt::black, 0.4), unit));
  painter.setBrush(fill);
  painter.drawPolygon(hexagon);
  // A "T" whose stem ends in a small square, like a circuit's pad.
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(centre.x() - 9 * unit, centre.y() - 9 * unit, 18 * unit, 4.5 * unit));
  painter.drawRect(QRectF(centre.x() - 2.25 * unit, centre.y() - 6 * unit, 4.5 * unit, 12 * unit));
  painter.drawEllipse(QPointF(centre.x(), centre.y() + 8 * unit), 3.2 * unit, 3.2 * unit);

  painter.setPen(Mix(kTarnix, Qt::black, 0.25));
  QFont name = SansFont(21 * unit, true);
  name.setLetterSpacing(QFont::AbsoluteSpacing, 1.5 * unit);
  painter.setFont(name);
  const double textLeft = box.left() + 44 * unit;
  painter.drawText(QRectF(textLeft, box.top(), box.right() - textLeft, 26 * unit),
                   Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("TARNIX"));
  QFont small = SansFont(10 * unit);
  small.setLetterSpacing(QFont::AbsoluteSpacing, 3 * unit);
  painter.setFont(small);
  painter.setPen(Mix(kTarnix, kNight, 0.4));
  painter.drawText(
      QRectF(textLeft + unit, box.top() + 27 * unit, box.right() - textLeft, 12 * unit),
      Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("software"));
  painter.restore();
}

}  // namespace halvena::assets
