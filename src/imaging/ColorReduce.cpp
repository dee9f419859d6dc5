#include "imaging/ColorReduce.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

namespace halvena {
namespace {

int Squares(int a, int b, int c) {
  return a * a + b * b + c * c;
}

int Distance(QRgb color, int r, int g, int b) {
  return Squares(qRed(color) - r, qGreen(color) - g, qBlue(color) - b);
}

// Finds the nearest palette colour, the first of equal ones. The colours fall into boxes of
// 8 x 8 x 8; on first use a box gets the palette entries that can be nearest to some colour
// inside it, so that the cost is bounded by the number of boxes and not by that of pixels.
class TNearestColor {
 public:
  explicit TNearestColor(const QVector<QRgb>& palette) : FPalette(palette), FBoxes(kBoxes) {}

  int Index(int r, int g, int b) {
    std::vector<int>& candidates = FBoxes[static_cast<std::size_t>(
        (r >> kBoxShift) << 10 | (g >> kBoxShift) << 5 | (b >> kBoxShift))];
    if (candidates.empty()) candidates = Candidates(r & ~kBoxMask, g & ~kBoxMask, b & ~kBoxMask);
    int best = candidates.front();
    int bestDistance = std::numeric_limits<int>::max();
    for (const int i : candidates) {
      const int distance = Distance(FPalette[i], r, g, b);
      if (distance < bestDistance) best = i, bestDistance = distance;
    }
    return best;
  }

 private:
  static constexpr int kBoxShift = 3;
  static constexpr int kBoxMask = (1 << kBoxShift) - 1;
  static constexpr std::size_t kBoxes = 32 * 32 * 32;

  // The entries, in palette order, that can be nearest to a colour of the box from (r, g, b) to
  // (r + 7, g + 7, b + 7): those whose least distance to the box is within the smallest of the
  // entries' greatest distances to it. Any other entry is farther from every colour of the box
  // than the entry with that smallest greatest distance.
  std::vector<int> Candidates(int r, int g, int b) const {
    // Per channel, the least and the greatest difference between a value and the box's side.
    const auto gap = [](int v, int low) { return std::max({low - v, 0, v - low - kBoxMask}); };
    const auto reach = [](int v, int low) {
      return std::max(std::abs(v - low), std::abs(v - low - kBoxMask));
    };
    std::vector<int> least(static_cast<std::size_t>(FPalette.size()));
    int bound = std::numeric_limits<int>::max();
    for (int i = 0; i < FPalette.size(); ++i) {
      const QRgb c = FPalette[i];
      least[static_cast<std::size_t>(i)] =
          Squares(gap(qRed(c), r), gap(qGreen(c), g), gap(qBlue(c), b));
      bound = std::min(bound, Squares(reach(qRed(c), r), reach(qGreen(c), g), reach(qBlue(c), b)));
    }
    std::vector<int> candidates;
    for (int i = 0; i < FPalette.size(); ++i) {
      if (least[static_cast<std::size_t>(i)] <= bound) candidates.push_back(i);
    }
    return candidates;
  }

  const QVector<QRgb>& FPalette;
  std::vector<std::vector<int>> FBoxes;
};

int Clamp(int v) {
  return std::clamp(v, 0, 255);
}

}  // namespace

QImage ReduceToPalette(const QImage& image, const QVector<QRgb>& palette, bool dither) {
  if (image.isNull() || palette.isEmpty() || palette.size() > 256) return {};
  const QImage source = image.convertToFormat(QImage::Format_RGB32);
  QImage result(source.size(), QImage::Format_Indexed8);
  if (source.isNull() || result.isNull()) return {};
  result.setColorTable(palette);
  TNearestColor nearest(palette);
  const int width = source.width();
  // Errors carried to this row and to the next, per channel, with one cell of margin each side.
  std::vector<std::array<int, 3>> current(static_cast<std::size_t>(width) + 2, {0, 0, 0});
  std::vector<std::array<int, 3>> next = current;
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    std::uint8_t* out = result.scanLine(y);
    for (int x = 0; x < width; ++x) {
      std::array<int, 3>& carried = current[static_cast<std::size_t>(x) + 1];
      const int r = Clamp(qRed(in[x]) + carried[0] / 16);
      const int g = Clamp(qGreen(in[x]) + carried[1] / 16);
      const int b = Clamp(qBlue(in[x]) + carried[2] / 16);
      const int index = nearest.Index(r, g, b);
      out[x] = static_cast<std::uint8_t>(index);
      if (!dither) continue;
      const std::array<int, 3> error = {r - qRed(palette[index]), g - qGreen(palette[index]),
                                        b - qBlue(palette[index])};
      for (std::size_t c = 0; c < 3; ++c) {
        current[static_cast<std::size_t>(x) + 2][c] += 7 * error[c];
        next[static_cast<std::size_t>(x)][c] += 3 * error[c];
        next[static_cast<std::size_t>(x) + 1][c] += 5 * error[c];
        next[static_cast<std::size_t>(x) + 2][c] += error[c];
      }
    }
    std::swap(current, next);
    std::fill(next.begin(), next.end(), std::array<int, 3>{0, 0, 0});
  }
  return result;
}

}  // namespace halvena
