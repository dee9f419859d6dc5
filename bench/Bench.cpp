// Speed and memory of the dictionary store on a corpus of 100 000 entries (about 40 MB of
// body text), side by side with a plain read of the same file and with grep on the same text.
// halvena_compare measures the whole-process targets and prints their ratios.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Corpus.h"
#include "data/IDbRecs.h"

extern char** environ;

namespace halvena::bench {
namespace {

constexpr std::size_t kEntries = 100000;
constexpr std::size_t kLargerEntries = 300000;
constexpr std::size_t kBodyBytes = 40u << 20;

// The corpus of `count` entries (bodies scaled to the same size per entry), made once.
const TCorpusFiles& Corpus(std::size_t count = kEntries) {
  static std::map<std::size_t, std::unique_ptr<TCorpusFiles>> corpora;
  auto& corpus = corpora[count];
  if (!corpus) corpus = std::make_unique<TCorpusFiles>(count, kBodyBytes / kEntries * count);
  return *corpus;
}

void ReadWholeFile(benchmark::State& state) {
  const TCorpusFiles& corpus = Corpus();
  for (auto _ : state) {
    std::FILE* f = std::fopen(corpus.DictionaryPath().c_str(), "rb");
    std::unique_ptr<char[]> buffer(new char[corpus.DictionarySize()]);
    const std::size_t got = std::fread(buffer.get(), 1, corpus.DictionarySize(), f);
    std::fclose(f);
    if (got != corpus.DictionarySize()) state.SkipWithError("short read");
    benchmark::DoNotOptimize(buffer.get());
  }
  state.SetBytesProcessed(state.iterations() * corpus.DictionarySize());
}
BENCHMARK(ReadWholeFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void LoadFromFile(benchmark::State& state) {
  const TCorpusFiles& corpus = Corpus();
  for (auto _ : state) {
    TIDbRecFile store;
    if (!store.LoadFromFile(corpus.DictionaryPath(), nullptr)) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(store.Recs.Count());
  }
  state.SetBytesProcessed(state.iterations() * corpus.DictionarySize());
}
BENCHMARK(LoadFromFile)->Unit(benchmark::kMillisecond)->UseRealTime();

std::size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

// Heap held by a loaded store, against the budget of 1.05 x file size + 32 bytes a record.
void MemoryAfterLoading(benchmark::State& state) {
  const TCorpusFiles& corpus = Corpus();
  double held = 0;
  for (auto _ : state) {
    const std::size_t before = HeapInUse();
    TIDbRecFile store;
    store.LoadFromFile(corpus.DictionaryPath(), nullptr);
    held = static_cast<double>(HeapInUse() - before);
  }
  const double file = static_cast<double>(corpus.DictionarySize());
  state.counters["heap_MB"] = held / 1e6;
  state.counters["file_MB"] = file / 1e6;
  state.counters["budget_MB"] = (1.05 * file + 32.0 * corpus.Count()) / 1e6;
  state.counters["heap_per_file_byte"] = held / file;
}
BENCHMARK(MemoryAfterLoading)->Unit(benchmark::kMillisecond)->Iterations(3);

TIDbRecFile& LoadedStore() {
  static TIDbRecFile store;
  if (store.Recs.Count() == 0) store.LoadFromFile(Corpus().DictionaryPath(), nullptr);
  return store;
}

const char* const kWords[] = {"hart", "xylofoon"};

// A one-word whole-word search as Enter in the keyword field runs it.
void FilterWholeWord(benchmark::State& state) {
  TIDbRecFile& store = LoadedStore();
  const std::string word = kWords[state.range(0)];
  for (auto _ : state) {
    std::string text = "+\"" + word + "\"";
    TIDbQuery query;
    query.Query = text.data();
    query.QueryLen = text.size();
    store.Filter(query, nullptr);
    benchmark::DoNotOptimize(store.VisCount);
  }
  state.counters["matches"] = store.VisCount;
  state.SetBytesProcessed(state.iterations() * Corpus().TextBytes());
  state.SetLabel(word);
}
BENCHMARK(FilterWholeWord)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// grep -c -F -i -w on the same titles and bodies, one entry a line, in the C locale.
void GrepWholeWord(benchmark::State& state) {
  const TCorpusFiles& corpus = Corpus();
  const std::string word = kWords[state.range(0)];
  std::vector<std::string> args = {"grep", "-c", "-F", "-i", "-w", word, corpus.LinesPath()};
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::vector<std::string> env = {"LC_ALL=C", "PATH=/usr/bin:/bin"};
  std::vector<char*> envp = {env[0].data(), env[1].data(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // Not /dev/null: grep notices it and stops at the first match.
  const std::string countFile = corpus.LinesPath() + ".count";
  posix_spawn_file_actions_addopen(&actions, 1, countFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  for (auto _ : state) {
    pid_t pid;
    if (posix_spawnp(&pid, "grep", &actions, nullptr, argv.data(), envp.data()) != 0) {
      state.SkipWithError("grep does not start");
      break;
    }
    int status = 0;
    waitpid(pid, &status, 0);
  }
  posix_spawn_file_actions_destroy(&actions);
  state.SetBytesProcessed(state.iterations() * corpus.TextBytes());
  state.SetLabel(word);
}
BENCHMARK(GrepWholeWord)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The letter buttons of the contents list: 26 questions one by one against one pass.
void LettersOneByOne(benchmark::State& state) {
  TIDbRecFile& store = LoadedStore();
  store.ShowAll();
  for (auto _ : state) {
    int enabled = 0;
    for (char l = 'A'; l <= 'Z'; ++l) enabled += store.HasTitlesFor(1, l);
    benchmark::DoNotOptimize(enabled);
  }
}
BENCHMARK(LettersOneByOne)->Unit(benchmark::kMillisecond);

void LettersInOnePass(benchmark::State& state) {
  TIDbRecFile& store = LoadedStore();
  store.ShowAll();
  for (auto _ : state) {
    const TLetterSet letters = store.LettersWithTitles();
    int enabled = 0;
    for (char l = 'A'; l <= 'Z'; ++l) enabled += letters.Has(l);
    benchmark::DoNotOptimize(enabled);
  }
}
BENCHMARK(LettersInOnePass)->Unit(benchmark::kMillisecond);

// Reading every visible record in order: the cost of one step must not grow with the store.
void GetVisibleRecInOrder(benchmark::State& state) {
  const TCorpusFiles& corpus = Corpus(static_cast<std::size_t>(state.range(0)));
  TIDbRecFile store;
  store.LoadFromFile(corpus.DictionaryPath(), nullptr);
  store.ShowAll();
  TIDbRec rec;
  for (auto _ : state) {
    for (std::int32_t v = 1; v <= store.VisCount; ++v) {
      store.GetVisibleRec(v, rec);
      benchmark::DoNotOptimize(rec.Id);
    }
  }
  state.SetItemsProcessed(state.iterations() * store.VisCount);
}
BENCHMARK(GetVisibleRecInOrder)
    ->Arg(10000)
    ->Arg(kEntries)
    ->Arg(kLargerEntries)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace halvena::bench

BENCHMARK_MAIN();
