// Parsing a keyword query of many terms: the time to read the query into its term sets, with
// every term new and with every term said twice; run build/bench/halvena_bench_query.
#include <benchmark/benchmark.h>

#include <string>

#include "data/Query.h"

namespace halvena::bench {
namespace {

// `count` required terms; with `repeats` each term comes twice.
std::string ManyTerms(int count, bool repeats) {
  std::string query;
  for (int i = 0; i < count; ++i) {
    query += "+\"term" + std::to_string(repeats ? i / 2 : i) + "\"";
  }
  return query;
}

void ParseManyTerms(benchmark::State& state) {
  const std::string text = ManyTerms(static_cast<int>(state.range(0)), state.range(1) != 0);
  for (auto _ : state) {
    std::string bytes = text;
    TIDbQuery query;
    query.Query = bytes.data();
    query.QueryLen = bytes.size();
    const TParsedQuery parsed(query);
    benchmark::DoNotOptimize(&parsed);
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(ParseManyTerms)
    ->ArgsProduct({{2500, 5000, 10000, 20000}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace
}  // namespace halvena::bench

BENCHMARK_MAIN();
