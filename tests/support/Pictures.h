// Helpers of the tests that load and compare pictures: a message sink that records what the
// picture library would show, and the mean difference of two pictures. Header only; a test
// that includes it links the imaging library. User-interface thread only.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdlib>

#include "imaging/ImageMessages.h"

namespace halvena::test {

// Records each message as "error: TEXT" or "information: TEXT" instead of showing it.
class TRecordedMessages : public TImageMessages {
 public:
  void ShowError(const QString& text) override { Shown.append("error: " + text); }
  void ShowInformation(const QString& text) override { Shown.append("information: " + text); }
  QStringList Shown;
};

// How far two pictures of the same size differ: the mean absolute difference per colour
// channel, 0 to 255.
inline double MeanChannelDifference(const QImage& a, const QImage& b) {
  long difference = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      difference += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                    std::abs(qBlue(p) - qBlue(q));
    }
  }
  return static_cast<double>(difference) / (3.0 * a.width() * a.height());
}

}  // namespace halvena::test
