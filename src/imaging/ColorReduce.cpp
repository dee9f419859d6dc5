#include "ColorReduce.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <unordered_map>
#include <vector>

namespace halvena {
namespace {

// Finds the nearest palette colour. Exact palette colours are looked up directly; any other
// colour goes through a table of 32 x 32 x 32 cells filled on first use, so that the cost is
// bounded by the number of cells and not by the number of pixels.
class TNearestColor {
 public:
  explicit TNearestColor(const QVector<QRgb>& palette) : FPalette(palette), FCells(kCells, -1) {
    for (int i = static_cast<int>(palette.size()) - 1; i >= 0; --i) {
      FExact[palette[i] & 0xFFFFFF] = i;
    }
  }

  int Index(int r, int g, int b) {
    const auto exact = FExact.find(static_cast<QRgb>(r << 16 | g << 8 | b));
    if (exact != FExact.end()) return exact->second;
    const int cell = (r >> 3) << 10 | (g >> 3) << 5 | (b >> 3);
    if (FCells[static_cast<std::size_t>(cell)] < 0) {
      FCells[static_cast<std::size_t>(cell)] = Search((r & ~7) | 4, (g & ~7) | 4, (b & ~7) | 4);
    }
    return FCells[static_cast<std::size_t>(cell)];
  }

 private:
  static constexpr std::size_t kCells = 32 * 32 * 32;

  int Search(int r, int g, int b) const {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < FPalette.size(); ++i) {
      const int dr = qRed(FPalette[i]) - r;
      const int dg = qGreen(FPalette[i]) - g;
      const int db = qBlue(FPalette[i]) - b;
      const int distance = dr * dr + dg * dg + db * db;
      if (distance < bestDistance) best = i, bestDistance = distance;
    }
    return best;
  }

  const QVector<QRgb>& FPalette;
  std::unordered_map<QRgb, int> FExact;
  std::vector<int> FCells;
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
