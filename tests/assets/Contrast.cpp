#include "Contrast.h"

#include <algorithm>
#include <cmath>

namespace halvena::assets::test {
namespace {

double Linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double Luminance(QRgb color) {
  return 0.2126 * Linear(qRed(color)) + 0.7152 * Linear(qGreen(color)) +
         0.0722 * Linear(qBlue(color));
}

double LowestContrast(const QImage& image, const QRect& area, QRgb text) {
  const double t = Luminance(text);
  double lowest = 21;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const double p = Luminance(image.pixel(x, y));
      lowest = std::min(lowest, (std::max(t, p) + 0.05) / (std::min(t, p) + 0.05));
    }
  }
  return lowest;
}

double LuminanceSpread(const QImage& image, const QRect& area) {
  double sum = 0;
  double squares = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const double l = Luminance(image.pixel(x, y));
      sum += l;
      squares += l * l;
    }
  }
  const double n = static_cast<double>(area.width()) * area.height();
  return std::sqrt(std::max(0.0, squares / n - (sum / n) * (sum / n)));
}

}  // namespace halvena::assets::test
