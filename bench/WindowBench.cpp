// Speed of the main window's reader handlers, run in-process on the offscreen platform against
// the benchmark corpus of 100 000 entries and one four times that size: the first screen (load
// and contents refresh), a letter switch, an Enter search that lists every entry, showing the
// longest entry and following a cross-reference. Handlers that walk the store report entries
// per second (the inverse is the cost per entry); showing an entry reports body bytes per
// second. How many rows a hover repaints is counted in the window tests.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "Corpus.h"
#include "app/Main.h"
#include "base/ProgramFolder.h"
#include "platform/Display.h"

namespace halvena::bench {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kEntries = 100000;
constexpr std::size_t kBodyBytesPerEntry = (40u << 20) / kEntries;

// A program folder holding the corpus of `count` entries as its dictionary and the program's
// own skins, made once per size.
class TProgramFolder {
 public:
  explicit TProgramFolder(std::size_t count) : FCorpus(count, kBodyBytesPerEntry * count) {
    FFolder = fs::path(FCorpus.DictionaryPath()).parent_path() / "program";
    fs::create_directories(FFolder / "D");
    fs::create_symlink(FCorpus.DictionaryPath(), FFolder / "D" / "IDbRecs.dat");
    fs::create_directory_symlink(fs::path(HALVENA_PROGRAM_DIR) / "I", FFolder / "I");
  }
  ~TProgramFolder() { fs::remove_all(FFolder); }
  TProgramFolder(const TProgramFolder&) = delete;
  TProgramFolder& operator=(const TProgramFolder&) = delete;

  std::string Path() const { return FFolder.string(); }
  std::size_t Count() const { return FCorpus.Count(); }

 private:
  TCorpusFiles FCorpus;
  fs::path FFolder;
};

const TProgramFolder& Folder(std::size_t count) {
  static std::map<std::size_t, std::unique_ptr<TProgramFolder>> folders;
  auto& folder = folders[count];
  if (!folder) folder = std::make_unique<TProgramFolder>(count);
  return *folder;
}

// The window on a 1024 x 768 screen (the middle screen-size class), built and shown, which
// opens the contents.
std::unique_ptr<TMainForm> ShownWindow(std::size_t count) {
  SetProgramFolder(Folder(count).Path());
  SetDisplayOverride({1024, 768, 32});
  auto form = std::make_unique<TMainForm>();
  form->show();
  QApplication::processEvents();
  return form;
}

// Entries per second over the whole store: its inverse is the cost per entry.
void PerEntry(benchmark::State& state, std::size_t count) {
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(count));
}

void FirstScreen(benchmark::State& state) {
  const std::size_t count = static_cast<std::size_t>(state.range(0));
  Folder(count);
  for (auto _ : state) {
    std::unique_ptr<TMainForm> form = ShownWindow(count);
    if (form->ContentLst->Items().Count() == 0) state.SkipWithError("no contents");
    state.PauseTiming();
    form.reset();
    state.ResumeTiming();
  }
  PerEntry(state, count);
}
BENCHMARK(FirstScreen)
    ->Arg(kEntries)
    ->Arg(4 * kEntries)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// The letters the letter switch alternates between.
constexpr int kLetterB = 'B' - 'A';
constexpr int kLetterS = 'S' - 'A';

void LetterSwitch(benchmark::State& state) {
  std::unique_ptr<TMainForm> form = ShownWindow(kEntries);
  bool toB = true;
  for (auto _ : state) {
    form->BaseBtnNClick(form->BaseBtns[toB ? kLetterB : kLetterS]);
    toB = !toB;
  }
  state.counters["titles"] = form->ContentLst->Items().Count();
  PerEntry(state, kEntries);
}
BENCHMARK(LetterSwitch)->Unit(benchmark::kMillisecond)->UseRealTime();

void EnterListsEverything(benchmark::State& state) {
  std::unique_ptr<TMainForm> form = ShownWindow(kEntries);
  form->SearchBtnClick(form->SearchBtn);
  for (auto _ : state) form->StartQuerySearchBtnClick(form->SearchEdit);
  if (form->QueryResultsLst->Items().Count() != static_cast<int>(kEntries)) {
    state.SkipWithError("not every entry listed");
  }
  PerEntry(state, kEntries);
}
BENCHMARK(EnterListsEverything)->Unit(benchmark::kMillisecond)->UseRealTime();

// Shows `rec` again and again, as if it were not on screen yet.
void ShowEntry(benchmark::State& state, TMainForm& form, const TIDbRec& rec) {
  for (auto _ : state) {
    form.CurrentRecId = 0;
    form.DisplayRec(rec);
  }
  state.counters["body_bytes"] = rec.TextLen;
  state.counters["lines"] = form.iDbRecText->Items().Count();
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(rec.TextLen));
}

void ShowLongestEntry(benchmark::State& state) {
  std::unique_ptr<TMainForm> form = ShownWindow(kEntries);
  TIDbRecFile& store = *form->RecFile;
  // In chain order: the chain steps from its cursor, so a jump back would walk.
  std::int32_t longest = 1;
  std::uint16_t longestLength = 0;
  for (std::int32_t i = 1; i <= store.Recs.Count(); ++i) {
    if (store.RecAt(i)->TextLen > longestLength) {
      longestLength = store.RecAt(i)->TextLen;
      longest = i;
    }
  }
  TIDbRec rec;
  store.GetVisibleRec(longest, rec);
  ShowEntry(state, *form, rec);
}
BENCHMARK(ShowLongestEntry)->Unit(benchmark::kMillisecond)->UseRealTime();

// The longest body a record can hold: 65 535 bytes of words, paragraphs and cross-references.
void ShowLongestPossibleEntry(benchmark::State& state) {
  std::unique_ptr<TMainForm> form = ShownWindow(kEntries);
  std::string key = "Lang|l";
  std::string body;
  for (int i = 0; body.size() < 65535 - 40; ++i) {
    body += i % 50 == 49 ? "zie {Hart " + std::to_string(i) + "}.\r\n" : "woordje ";
  }
  body.resize(65535, 'x');
  TIDbRec rec{};
  rec.Id = 1u << 30;
  rec.Key = key.data();
  rec.KeyLen = static_cast<std::uint16_t>(key.size());
  rec.Text = body.data();
  rec.TextLen = static_cast<std::uint16_t>(body.size());
  ShowEntry(state, *form, rec);
}
BENCHMARK(ShowLongestPossibleEntry)->Unit(benchmark::kMillisecond)->UseRealTime();

void FollowCrossReference(benchmark::State& state) {
  std::unique_ptr<TMainForm> form = ShownWindow(kEntries);
  // The first entry of the open letter that refers to a title under another letter.
  const auto showReferring = [&form] {
    form->BaseBtnNClick(form->BaseBtns[kLetterB]);
    for (int i = 0; i < form->ContentLst->Items().Count(); ++i) {
      form->ContentLst->SetItemIndex(i);
      form->ContentLstSelect(form->ContentLst);
      if (form->SeeAlsoLst->Items().Count() > 0 && form->SeeAlsoLst->Items()[0][0] != 'B') {
        form->SeeAlsoLst->SetItemIndex(0);
        return true;
      }
    }
    return false;
  };
  if (!showReferring()) state.SkipWithError("no cross-reference");
  std::string followed;
  for (auto _ : state) {
    form->SeeAlsoLstSelect(form->SeeAlsoLst);
    state.PauseTiming();
    followed = form->iDbRecHeaderLbl->text().toStdString();
    showReferring();
    state.ResumeTiming();
  }
  if (followed.empty()) state.SkipWithError("nothing shown");
  PerEntry(state, kEntries);
}
BENCHMARK(FollowCrossReference)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace halvena::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
