#include "assets/Quantize.h"

#include <algorithm>
#include <array>
#include <limits>

#include "assets/Dib.h"

namespace halvena::assets {
namespace {

using TColor = std::array<int, 3>;

struct TBox {
  std::size_t begin;
  std::size_t end;
};

// The channel with the widest spread in `colors[box]`, and that spread.
std::pair<int, int> WidestChannel(const std::vector<TColor>& colors, const TBox& box) {
  std::pair<int, int> widest{0, -1};
  for (int channel = 0; channel < 3; ++channel) {
    int low = 255;
    int high = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
      low = std::min(low, colors[i][static_cast<std::size_t>(channel)]);
      high = std::max(high, colors[i][static_cast<std::size_t>(channel)]);
    }
    if (high - low > widest.second) widest = {channel, high - low};
  }
  return widest;
}

int Clamp(int value) {
  return std::clamp(value, 0, 255);
}

}  // namespace

QVector<QRgb> PictureColors(const QImage& image, int count) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  std::vector<TColor> colors;
  colors.reserve(static_cast<std::size_t>(rgb.width()) * static_cast<std::size_t>(rgb.height()));
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x)
      colors.push_back({qRed(row[x]), qGreen(row[x]), qBlue(row[x])});
  }
  std::vector<TBox> boxes;
  if (!colors.empty()) boxes.push_back({0, colors.size()});
  while (static_cast<int>(boxes.size()) < count) {
    std::size_t pick = boxes.size();
    int spread = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].end - boxes[i].begin < 2) continue;
      const int s = WidestChannel(colors, boxes[i]).second;
      if (s > spread) {
        spread = s;
        pick = i;
      }
    }
    if (pick == boxes.size()) break;  // every box holds one colour only
    const TBox box = boxes[pick];
    const auto channel = static_cast<std::size_t>(WidestChannel(colors, box).first);
    const auto begin = colors.begin() + static_cast<std::ptrdiff_t>(box.begin);
    const auto end = colors.begin() + static_cast<std::ptrdiff_t>(box.end);
    std::sort(begin, end,
              [channel](const TColor& a, const TColor& b) { return a[channel] < b[channel]; });
    // Split at the median value, keeping equal values on one side, so that one colour never
    // ends up in two boxes.
    const int median = (*(begin + (end - begin) / 2))[channel];
    auto split = std::lower_bound(
        begin, end, median, [channel](const TColor& a, int value) { return a[channel] < value; });
    if (split == begin) {
      split = std::upper_bound(
          begin, end, median, [channel](int value, const TColor& a) { return value < a[channel]; });
    }
    const auto middle = static_cast<std::size_t>(split - colors.begin());
    boxes[pick] = {box.begin, middle};
    boxes.push_back({middle, box.end});
  }
  QVector<QRgb> palette;
  for (const TBox& box : boxes) {
    std::array<long long, 3> sum{};
    for (std::size_t i = box.begin; i < box.end; ++i) {
      for (std::size_t c = 0; c < 3; ++c) sum[c] += colors[i][c];
    }
    const auto n = static_cast<long long>(box.end - box.begin);
    palette.append(qRgb(static_cast<int>((sum[0] + n / 2) / n),
                        static_cast<int>((sum[1] + n / 2) / n),
                        static_cast<int>((sum[2] + n / 2) / n)));
  }
  return palette;
}

std::vector<std::uint8_t> DiffuseToPalette(const QImage& image, const QVector<QRgb>& palette) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const int width = rgb.width();
  const int height = rgb.height();
  std::vector<std::uint8_t> indices(static_cast<std::size_t>(width) *
                                    static_cast<std::size_t>(height));
  // The errors carried to the current and the next row, one slot of padding on each side.
  std::vector<TColor> current(static_cast<std::size_t>(width) + 2, TColor{});
  std::vector<TColor> next(current.size(), TColor{});
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    std::fill(next.begin(), next.end(), TColor{});
    for (int x = 0; x < width; ++x) {
      const std::size_t slot = static_cast<std::size_t>(x) + 1;
      const TColor wanted = {Clamp(qRed(row[x]) + current[slot][0] / 16),
                             Clamp(qGreen(row[x]) + current[slot][1] / 16),
                             Clamp(qBlue(row[x]) + current[slot][2] / 16)};
      int best = 0;
      int bestDistance = std::numeric_limits<int>::max();
      for (int i = 0; i < palette.size(); ++i) {
        const QRgb c = palette[i];
        const int dr = qRed(c) - wanted[0];
        const int dg = qGreen(c) - wanted[1];
        const int db = qBlue(c) - wanted[2];
        const int distance = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
        if (distance < bestDistance) {
          bestDistance = distance;
          best = i;
        }
      }
      indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
              static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(best);
      const QRgb chosen = palette[best];
      const TColor error = {wanted[0] - qRed(chosen), wanted[1] - qGreen(chosen),
                            wanted[2] - qBlue(chosen)};
      for (std::size_t c = 0; c < 3; ++c) {
        current[slot + 1][c] += error[c] * 7;
        next[slot - 1][c] += error[c] * 3;
        next[slot][c] += error[c] * 5;
        next[slot + 1][c] += error[c];
      }
    }
    std::swap(current, next);
  }
  return indices;
}

QByteArray PalettedPicture(const QImage& image, const QVector<QRgb>& palette) {
  return PalettedDib(image.width(), image.height(), 8, palette, DiffuseToPalette(image, palette));
}

}  // namespace halvena::assets
