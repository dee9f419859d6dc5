#include "assets/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "assets/Emblem.h"
#include "assets/Shading.h"

namespace halvena::assets {
namespace {

using namespace colors;

constexpr int kIntroSide = 280;
constexpr int kIntroStripTop = 246;
constexpr int kAboutSide = 325;
constexpr int kAboutBannerBottom = 98;

QPainterPath Area(const QRectF& rect) {
  QPainterPath path;
  path.addRect(rect);
  return path;
}

// Text with a soft dark copy below it, for light text on a green ground.
void Engraved(QPainter& painter, const QRectF& rect, int flags, const QString& text,
              const QColor& color, double depth) {
  painter.setPen(QColor(0, 0, 0, 90));
  painter.drawText(rect.translated(0, depth), flags, text);
  painter.setPen(color);
  painter.drawText(rect, flags, text);
}

}  // namespace

QImage IntroPicture() {
  QImage image(kIntroSide, kIntroSide, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const QRectF all(0, 0, kIntroSide, kIntroSide);

  QLinearGradient ground(all.topLeft(), all.bottomLeft());
  ground.setColorAt(0, Mix(kMist, Qt::white, 0.4));
  ground.setColorAt(0.55, kPale);
  ground.setColorAt(1, kWindow);
  painter.fillRect(all, ground);
  QRadialGradient halo(QPointF(140, 92), 120);
  halo.setColorAt(0, QColor(255, 255, 255, 150));
  halo.setColorAt(1, QColor(255, 255, 255, 0));
  painter.fillRect(all, halo);
  Grain(painter, Area(all), 5);

  DrawEmblem(painter, QRectF(88, 30, 104, 104));

  painter.setFont(SansFont(40, true));
  painter.setPen(QColor(255, 255, 255, 160));
  const QRectF name(0, 140, kIntroSide, 48);
  painter.drawText(name.translated(0, 1.5), Qt::AlignCenter, QStringLiteral("Halvena"));
  painter.setPen(kNight);
  painter.drawText(name, Qt::AlignCenter, QStringLiteral("Halvena"));
  painter.setFont(SansFont(15, false, true));
  painter.setPen(kDeep);
  painter.drawText(QRectF(0, 188, kIntroSide, 20), Qt::AlignCenter,
                   QStringLiteral("Medisch woordenboek"));
  painter.setFont(SansFont(11));
  painter.setPen(Mix(kDeep, kSage, 0.5));
  painter.drawText(QRectF(0, 210, kIntroSide, 16), Qt::AlignCenter, QStringLiteral("versie 2.0"));

  const QRectF strip(0, kIntroStripTop, kIntroSide, kIntroSide - kIntroStripTop);
  QLinearGradient dark(strip.topLeft(), strip.bottomLeft());
  dark.setColorAt(0, kDeep);
  dark.setColorAt(1, kNight);
  painter.fillRect(strip, dark);
  Grain(painter, Area(strip), 4);
  painter.setPen(QPen(QColor(255, 255, 255, 110), 1));
  painter.drawLine(QPointF(0, kIntroStripTop + 0.5), QPointF(kIntroSide, kIntroStripTop + 0.5));
  return image;
}

QImage AboutPicture() {
  QImage image(kAboutSide, kAboutSide, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const QRectF all(0, 0, kAboutSide, kAboutSide);

  QLinearGradient ground(all.topLeft(), all.bottomLeft());
  ground.setColorAt(0, QColor(246, 250, 247));
  ground.setColorAt(1, Mix(kMist, kPale, 0.35));
  painter.fillRect(all, ground);
  Grain(painter, Area(all), 4);

  const QRectF banner(0, 0, kAboutSide, kAboutBannerBottom);
  QLinearGradient green(banner.topLeft(), banner.bottomLeft());
  green.setColorAt(0, Mix(kSage, kWindow, 0.5));
  green.setColorAt(1, kDeep);
  painter.fillRect(banner, green);
  QRadialGradient sheen(QPointF(60, 20), 220);
  sheen.setColorAt(0, QColor(255, 255, 255, 60));
  sheen.setColorAt(1, QColor(255, 255, 255, 0));
  painter.fillRect(banner, sheen);
  Grain(painter, Area(banner), 5);
  painter.setPen(QPen(kNight, 1));
  painter.drawLine(QPointF(0, kAboutBannerBottom - 0.5),
                   QPointF(kAboutSide, kAboutBannerBottom - 0.5));
  painter.setPen(QPen(QColor(255, 255, 255, 200), 1));
  painter.drawLine(QPointF(0, kAboutBannerBottom + 0.5),
                   QPointF(kAboutSide, kAboutBannerBottom + 0.5));

  DrawEmblem(painter, QRectF(16, 14, 70, 70));
  painter.setFont(SansFont(36, true));
  Engraved(painter, QRectF(100, 14, 215, 44), Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("Halvena"), Qt::white, 1.5);
  painter.setFont(SansFont(15, true));
  Engraved(painter, QRectF(102, 56, 215, 20), Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("2.0 release 3"), kText, 1);
  painter.setFont(SansFont(11, false, true));
  Engraved(painter, QRectF(102, 74, 215, 16), Qt::AlignLeft | Qt::AlignVCenter,
           QStringLiteral("Medisch woordenboek"), kText, 1);

  const struct {
    const char* label;
    const char* value;
  } credits[] = {{"Uitgave", "Uitgeverij Zenta"},
                 {"Programmatuur", "Tarnix Software"},
                 {"Medische redactie", "Redactie Zenta"},
                 {"Vormgeving", "Tarnix Software"}};
  int y = 110;
  for (const auto& line : credits) {
    painter.setFont(SansFont(11));
    painter.setPen(Mix(kDeep, kSage, 0.3));
    painter.drawText(QRectF(16, y, 130, 16), Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromUtf8(line.label));
    painter.setFont(SansFont(11, true));
    painter.setPen(kNight);
    painter.drawText(QRectF(156, y, 160, 16), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromUtf8(line.value));
    y += 17;
  }
  painter.setPen(QPen(Mix(kPale, kSage, 0.3), 1));
  painter.drawLine(QPointF(24, 188.5), QPointF(kAboutSide - 24, 188.5));

  painter.setFont(SansFont(10, false, true));
  painter.setPen(Mix(kDeep, kSage, 0.2));
  painter.drawText(QRectF(16, 198, 180, 56), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   QString::fromUtf8("Halvena geeft algemene informatie over gezondheid en "
                                     "ziekte. Het vervangt niet het advies van uw arts."));
  painter.setFont(SansFont(9));
  painter.setPen(Mix(kDeep, kSage, 0.4));
  painter.drawText(QRectF(16, 250, 180, 13), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8("Ontwikkeld door"));
  painter.drawText(QRectF(16, 308, 300, 13), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8("© Uitgeverij Zenta en Tarnix Software. Alle rechten "
                                     "voorbehouden."));

  DrawZentaLogo(painter, QRectF(kZentaLogo));
  DrawTarnixLogo(painter, QRectF(kTarnixLogo));
  return image;
}

QImage WindowIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  DrawEmblem(painter, QRectF(0, 0, size, size));
  return image;
}

}  // namespace halvena::assets
