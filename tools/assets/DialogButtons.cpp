#include "assets/DialogButtons.h"

#include <QLinearGradient>
#include <QPainter>

#include "assets/Shading.h"

namespace halvena::assets {
namespace {

using namespace colors;

constexpr int kWidth = 104;
constexpr int kHeight = 26;
// The body leaves room to the lower right for the shadow and for the move while pressed.
const QRectF kBody(0.5, 0.5, 99, 22);
constexpr double kRadius = 5;

}  // namespace

QImage DialogButton(TDialogButtonLook look, int ratio) {
  QImage image(kWidth * ratio, kHeight * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(kSage);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  if (look == TDialogButtonLook::Up) {
    painter.setPen(Qt::NoPen);
    for (int step = 0; step < 3; ++step) {
      painter.setBrush(QColor(0, 0, 0, 28));
      painter.drawPath(
          RoundedRect(kBody.translated(1.5 + step * 0.7, 1.5 + step * 0.7), kRadius + step * 0.5));
    }
  }

  QLinearGradient fill(kBody.topLeft(), kBody.bottomLeft());
  switch (look) {
    case TDialogButtonLook::Up:
      fill.setColorAt(0, Mix(kSage, kMist, 0.4));
      fill.setColorAt(0.16, Mix(kDeep, kSage, 0.1));
      fill.setColorAt(1, Mix(kDeep, kNight, 0.5));
      break;
    case TDialogButtonLook::Down:
      fill.setColorAt(0, Mix(kDeep, kNight, 0.7));
      fill.setColorAt(0.3, Mix(kDeep, kNight, 0.4));
      fill.setColorAt(1, kDeep);
      break;
    case TDialogButtonLook::Disabled:
      fill.setColorAt(0, Mix(kSage, kWindow, 0.7));
      fill.setColorAt(1, Mix(kSage, kWindow, 0.45));
      break;
  }
  const QPainterPath body = RoundedRect(kBody, kRadius);
  painter.setPen(QPen(look == TDialogButtonLook::Disabled ? Mix(kSage, kDeep, 0.4) : kNight, 1));
  painter.setBrush(fill);
  painter.drawPath(body);

  painter.setBrush(Qt::NoBrush);
  if (look == TDialogButtonLook::Up) {
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
    painter.drawPath(RoundedRect(kBody.adjusted(1, 1, -1, -1), kRadius - 1));
  } else if (look == TDialogButtonLook::Down) {
    painter.setClipPath(body);
    QLinearGradient shade(kBody.topLeft(), kBody.topLeft() + QPointF(0, 5));
    shade.setColorAt(0, QColor(0, 0, 0, 80));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(kBody, shade);
  }
  return image;
}

}  // namespace halvena::assets
