#include "platform/Display.h"

#include <QGuiApplication>
#include <QScreen>
#include <optional>

namespace halvena {
namespace {

std::optional<TDisplayMetrics>& Override() {
  static std::optional<TDisplayMetrics> metrics;
  return metrics;
}

}  // namespace

TDisplayMetrics DisplayMetrics() {
  if (Override()) return *Override();
  if (qGuiApp == nullptr) return {};
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  const QSize size = screen->size();
  return {size.width(), size.height(), screen->depth(), screen->devicePixelRatio()};
}

void SetDisplayOverride(const TDisplayMetrics& metrics) {
  Override() = metrics;
}

void ClearDisplayOverride() {
  Override().reset();
}

}  // namespace halvena
