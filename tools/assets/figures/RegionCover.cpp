#include "assets/figures/RegionCover.h"

#include <algorithm>
#include <limits>

namespace halvena::figures {
namespace {

constexpr int kColumns = static_cast<int>(kFrameWidth) / kCoverCell;
constexpr int kRows = static_cast<int>(kFrameHeight) / kCoverCell;

// Covers the cells of one region after another. A region's rectangles may reach over its own
// cells, over cells already covered (an earlier line wins there anyway) and over uncovered
// cells right beside its own, which smooths the stairs of a slanted edge.
class TCover {
 public:
  explicit TCover(std::vector<int> labels) : FLabels(std::move(labels)) {
    FCovered.assign(FLabels.size(), false);
    FWanted.assign(FLabels.size(), 0);
    FSpare.assign(FLabels.size(), 0);
    FWantedSums.assign(std::size_t(kRows) * (kColumns + 1), 0);
    FSpareSums.assign(std::size_t(kRows) * (kColumns + 1), 0);
  }

  void Cover(int region, std::vector<TRegionRect>& out);

 private:
  std::size_t At(int x, int y) const { return std::size_t(y) * kColumns + x; }
  bool Allowed(int x, int y) const {
    return FWanted[At(x, y)] || FCovered[At(x, y)] || FSpare[At(x, y)];
  }
  void SumRow(int y);
  int RowSum(const std::vector<int>& sums, int y, int a, int b) const {
    const std::size_t base = std::size_t(y) * (kColumns + 1);
    return sums[base + b + 1] - sums[base + a];
  }

  std::vector<int> FLabels;
  std::vector<bool> FCovered;
  std::vector<char> FWanted;  // cells of the region at work that no rectangle holds yet
  std::vector<char> FSpare;   // uncovered cells of others beside the region at work
  std::vector<int> FWantedSums, FSpareSums;  // running sums along each row
};

void TCover::SumRow(int y) {
  const std::size_t base = std::size_t(y) * (kColumns + 1);
  for (int x = 0; x < kColumns; ++x) {
    FWantedSums[base + x + 1] = FWantedSums[base + x] + FWanted[At(x, y)];
    FSpareSums[base + x + 1] = FSpareSums[base + x] + FSpare[At(x, y)];
  }
}

void TCover::Cover(int region, std::vector<TRegionRect>& out) {
  for (int y = 0; y < kRows; ++y) {
    for (int x = 0; x < kColumns; ++x)
      FWanted[At(x, y)] = FLabels[At(x, y)] == region && !FCovered[At(x, y)];
  }
  for (int y = 0; y < kRows; ++y) {
    for (int x = 0; x < kColumns; ++x) {
      bool beside = false;
      if (!FWanted[At(x, y)] && !FCovered[At(x, y)]) {
        for (int dy = -1; dy <= 1 && !beside; ++dy) {
          for (int dx = -1; dx <= 1 && !beside; ++dx) {
            const int nx = x + dx;
            const int ny = y + dy;
            beside = nx >= 0 && ny >= 0 && nx < kColumns && ny < kRows && FWanted[At(nx, ny)];
          }
        }
      }
      FSpare[At(x, y)] = beside;
    }
    SumRow(y);
  }

  std::size_t seed = 0;
  while (true) {
    while (seed < FWanted.size() && !FWanted[seed]) ++seed;
    if (seed == FWanted.size()) return;
    const int sx = static_cast<int>(seed % kColumns);
    const int sy = static_cast<int>(seed / kColumns);
    // Every wanted cell above the seed's row, and left of it in that row, is covered already,
    // so the best rectangle through the seed starts in its row. Try every height.
    int a = sx;
    int b = sx;
    while (a > 0 && Allowed(a - 1, sy)) --a;
    while (b + 1 < kColumns && Allowed(b + 1, sy)) ++b;
    int bestScore = std::numeric_limits<int>::min();
    TRegionRect best;
    for (int y = sy; y < kRows && Allowed(sx, y); ++y) {
      int l = sx;
      int r = sx;
      while (l > a && Allowed(l - 1, y)) --l;
      while (r < b && Allowed(r + 1, y)) ++r;
      a = l;
      b = r;
      int wanted = 0;
      int spare = 0;
      for (int row = sy; row <= y; ++row) {
        wanted += RowSum(FWantedSums, row, a, b);
        spare += RowSum(FSpareSums, row, a, b);
      }
      const int score = wanted * 4 - spare;
      if (score > bestScore) {
        bestScore = score;
        best = {region, a, sy, b + 1, y + 1};
      }
    }
    for (int y = best.Top; y < best.Bottom; ++y) {
      for (int x = best.Left; x < best.Right; ++x) {
        FCovered[At(x, y)] = true;
        FWanted[At(x, y)] = 0;
        FSpare[At(x, y)] = 0;
      }
      SumRow(y);
    }
    out.push_back({region, best.Left * kCoverCell, best.Top * kCoverCell, best.Right * kCoverCell,
                   best.Bottom * kCoverCell});
  }
}

}  // namespace

std::vector<TRegionRect> CoverRegions(const TFigureScene& scene) {
  // Each cell takes the region drawn at most of its points, so that a sliver thinner than a
  // cell does not claim it.
  const std::size_t regionCount = scene.Model().Regions.size();
  std::vector<int> labels(std::size_t(kColumns) * kRows);
  std::vector<int> area(regionCount, 0);
  std::vector<int> votes(regionCount + 1);
  for (int y = 0; y < kRows; ++y) {
    for (int x = 0; x < kColumns; ++x) {
      std::fill(votes.begin(), votes.end(), 0);
      for (int j = 0; j < kCoverCell; j += 2) {
        for (int i = 0; i < kCoverCell; i += 2) {
          ++votes[scene.RegionAt(x * kCoverCell + i + 1, y * kCoverCell + j + 1) + 1];
        }
      }
      const int region =
          static_cast<int>(std::max_element(votes.begin(), votes.end()) - votes.begin()) - 1;
      labels[std::size_t(y) * kColumns + x] = region;
      if (region >= 0) ++area[region];
    }
  }
  // Small regions first: a larger one may then run its rectangles over them.
  std::vector<int> order;
  for (std::size_t r = 0; r < area.size(); ++r) {
    if (area[r] > 0) order.push_back(static_cast<int>(r));
  }
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return area[a] < area[b]; });

  TCover cover(std::move(labels));
  std::vector<TRegionRect> rects;
  for (int region : order) cover.Cover(region, rects);
  return rects;
}

std::string QueryFileText(const TBodyModel& model, TGender gender,
                          const std::vector<std::vector<TRegionRect>>& views) {
  std::string text;
  for (std::size_t v = 0; v < views.size(); ++v) {
    text += "[" + std::to_string(v) + "]\r\n";
    for (const TRegionRect& r : views[v]) {
      text += std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) +
              "," + std::to_string(r.Bottom) + "=" + model.Regions[r.Region].Name + "|\r\n";
    }
  }
  text += "[Queries]\r\n";
  for (int r : model.RegionsOf(gender)) {
    text += model.Regions[r].Name + "=" + model.Regions[r].Query + "\r\n";
  }
  return text;
}

}  // namespace halvena::figures
