// Speed of the anatomy lookup that runs on every mouse move over the body figure, on the query
// files the build writes (about 3 100 rectangles each): the lookup alone, and the main window's
// whole mouse-move handler (lookup, the name into the panel, its size and place).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>
#include <vector>

#include "anatomy/QueryFiles.h"
#include "app/Main.h"
#include "base/ProgramFolder.h"
#include "platform/Display.h"

namespace halvena::bench {
namespace {

const std::vector<std::string>& FemaleLines() {
  static const std::vector<std::string> lines =
      ReadQueryLines(std::string(HALVENA_PROGRAM_DIR) + "/D/qf.dat");
  return lines;
}

// Points over the whole reference frame in every view, as a mouse sweeping the figure meets
// them.
struct TProbe {
  int View, X, Y;
};
const std::vector<TProbe>& Probes() {
  static const std::vector<TProbe> probes = [] {
    std::vector<TProbe> all;
    for (int view = 0; view < 16; ++view) {
      for (int y = 5; y < kFigureFrameHeight; y += 37) {
        for (int x = 3; x < kFigureFrameWidth; x += 29) all.push_back({view, x, y});
      }
    }
    return all;
  }();
  return probes;
}

void LookUpRegionSweep(benchmark::State& state) {
  const std::vector<std::string>& lines = FemaleLines();
  if (lines.empty()) state.SkipWithError("no D/qf.dat in the build folder");
  std::size_t i = 0;
  std::size_t named = 0;
  for (auto _ : state) {
    const TProbe& p = Probes()[i++ % Probes().size()];
    const TRegionHit hit = LookUpRegion(lines, p.View, p.X, p.Y);
    named += !hit.Name.empty();
    benchmark::DoNotOptimize(hit);
  }
  state.counters["lines"] = static_cast<double>(lines.size());
  state.counters["named"] = benchmark::Counter(static_cast<double>(named) / state.iterations());
}
BENCHMARK(LookUpRegionSweep)->Unit(benchmark::kMicrosecond);

// The longest walk: the last view, at a point that no rectangle holds.
void LookUpRegionLastViewMiss(benchmark::State& state) {
  const std::vector<std::string>& lines = FemaleLines();
  if (lines.empty()) state.SkipWithError("no D/qf.dat in the build folder");
  for (auto _ : state) benchmark::DoNotOptimize(LookUpRegion(lines, 15, -1, -1));
}
BENCHMARK(LookUpRegionLastViewMiss)->Unit(benchmark::kMicrosecond);

void BodyImageMouseMove(benchmark::State& state) {
  SetProgramFolder(HALVENA_PROGRAM_DIR);
  SetDisplayOverride({800, 600, 32});
  TMainForm form;
  const int w = form.BodyImage->width();
  const int h = form.BodyImage->height();
  std::vector<QPoint> points;
  for (int y = 0; y < h; y += 3) {
    for (int x = 0; x < w; x += 2) points.emplace_back(x, y);
  }
  std::size_t i = 0;
  for (auto _ : state) {
    const QPoint& p = points[i++ % points.size()];
    form.BodyView = static_cast<int>(i / points.size() % 16);
    form.BodyImageMouseMove(form.BodyImage, Qt::NoModifier, p.x(), p.y());
  }
  form.close();
  ClearDisplayOverride();
  SetProgramFolder({});
}
BENCHMARK(BodyImageMouseMove)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace halvena::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
