// The store's targets, measured side by side in one run and printed as ratios:
//   - LoadFromFile against a plain read of the same file into one buffer;
//   - `halvena-dict filter FILE +"WORD"` as a whole process against `grep -c -F -i -w WORD`
//     on the same titles and bodies written one entry a line, both writing into a pipe;
//   - the peak memory of that filter process against 1.05 x file size + 32 bytes a record.
// On the benchmark corpus at --scale times its size (default 4) and on every dictionary
// given with --dict FILE. Each figure is the best of --runs runs (default 5), taken in turn,
// so that both sides meet the same load of the machine.
//
//   halvena_compare [--scale N] [--runs N] [--dict FILE [--word WORD]]...
#include <fcntl.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "Corpus.h"
#include "data/IDbRecs.h"

extern char** environ;

namespace halvena::bench {
namespace {

constexpr std::size_t kEntries = 100000;
constexpr std::size_t kBodyBytes = 40u << 20;

using TClock = std::chrono::steady_clock;

double Seconds(TClock::duration d) {
  return std::chrono::duration<double>(d).count();
}

// What one run of a child process cost.
struct TProcessRun {
  double wall = 0;  // seconds
  double cpu = 0;   // user + system seconds, GNU time's own included
  long peakKb = 0;  // largest resident set
  std::string output;
};

// Runs `args` with stdout into a pipe that is read to its end, as a shell pipeline would. The
// peak memory comes from GNU time around the command: a child's own figure would count this
// process's memory too, which the child shares until it runs the command.
TProcessRun RunProcess(const std::vector<std::string>& command) {
  static const std::string peakFile =
      (std::filesystem::temp_directory_path() / ("halvena-compare-" + std::to_string(getpid())))
          .string();
  std::vector<std::string> args = {"/usr/bin/time", "-f", "%M", "-o", peakFile};
  args.insert(args.end(), command.begin(), command.end());
  int fds[2];
  if (pipe(fds) != 0) throw std::runtime_error("no pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  posix_spawn_file_actions_addclose(&actions, fds[1]);
  std::vector<std::string> copies = args;
  std::vector<char*> argv;
  for (auto& a : copies) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::string lcAll = "LC_ALL=C", path = "PATH=/usr/bin:/bin";
  char* envp[] = {lcAll.data(), path.data(), nullptr};

  TProcessRun run;
  const auto start = TClock::now();
  pid_t pid;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp) != 0) {
    throw std::runtime_error(command[0] + " does not start (is /usr/bin/time there?)");
  }
  close(fds[1]);
  char buffer[1 << 16];
  ssize_t got;
  while ((got = read(fds[0], buffer, sizeof buffer)) > 0) {
    if (run.output.size() < 4096) run.output.append(buffer, static_cast<std::size_t>(got));
  }
  close(fds[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  run.wall = Seconds(TClock::now() - start);
  posix_spawn_file_actions_destroy(&actions);
  run.cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
            static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  // The figure is the last line; a command that exits non-zero (grep without a match) has a
  // line about that before it.
  std::ifstream peak(peakFile);
  std::string line, last;
  while (std::getline(peak, line)) {
    if (!line.empty()) last = line;
  }
  run.peakKb = std::atol(last.c_str());
  if (run.peakKb <= 0) throw std::runtime_error("no figure from /usr/bin/time");
  std::filesystem::remove(peakFile);
  return run;
}

// The best of several runs, figure by figure.
struct TBest {
  double wall = 1e30, cpu = 1e30;
  long peakKb = 0;
  void Add(const TProcessRun& r) {
    wall = std::min(wall, r.wall);
    cpu = std::min(cpu, r.cpu);
    peakKb = std::max(peakKb, r.peakKb);
  }
};

std::string DictTool() {
  return HALVENA_DICT_TOOL;
}

// One dictionary to compare on: its file, its text one entry a line, and its size.
struct TSubject {
  std::string name, dictionary, lines;
  std::size_t fileSize = 0;
  std::int32_t records = 0;
};

// Reads the whole file into one buffer; with `hugePages` the buffer is asked for huge pages,
// as the loader asks for its own.
double PlainRead(const TSubject& s, bool hugePages) {
  const auto start = TClock::now();
  constexpr std::size_t kHuge = 2u << 20;
  const std::size_t rounded = (s.fileSize + kHuge - 1) / kHuge * kHuge;
  std::unique_ptr<char, void (*)(void*)> buffer(
      static_cast<char*>(hugePages ? std::aligned_alloc(kHuge, rounded) : std::malloc(s.fileSize)),
      &std::free);
  if (hugePages) madvise(buffer.get(), rounded, MADV_HUGEPAGE);
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(s.dictionary.c_str(), "rb"),
                                                    &std::fclose);
  if (!f || std::fread(buffer.get(), 1, s.fileSize, f.get()) != s.fileSize) {
    throw std::runtime_error(s.dictionary + ": short read");
  }
  return Seconds(TClock::now() - start);
}

void CompareLoad(const TSubject& s, int runs) {
  double bestRead = 1e30, bestHuge = 1e30, bestLoad = 1e30;
  for (int i = 0; i < runs; ++i) {
    bestRead = std::min(bestRead, PlainRead(s, false));
    bestHuge = std::min(bestHuge, PlainRead(s, true));
    const auto start = TClock::now();
    {
      TIDbRecFile store;
      if (!store.LoadFromFile(s.dictionary, nullptr)) {
        throw std::runtime_error(s.dictionary + ": does not load");
      }
    }
    bestLoad = std::min(bestLoad, Seconds(TClock::now() - start));
  }
  std::printf("  LoadFromFile %7.1f ms   plain read %7.1f ms   ratio %.2f (target <= 1.5)\n",
              bestLoad * 1e3, bestRead * 1e3, bestLoad / bestRead);
  std::printf("  against a plain read into huge pages, as the loader reads: %7.1f ms, ratio %.2f\n",
              bestHuge * 1e3, bestLoad / bestHuge);
}

void CompareFilter(const TSubject& s, const std::string& word, int runs) {
  TBest tool, grep;
  std::string toolLines, grepCount;
  for (int i = 0; i < runs; ++i) {
    const TProcessRun t = RunProcess({DictTool(), "filter", s.dictionary, "+\"" + word + "\""});
    tool.Add(t);
    const TProcessRun g = RunProcess({"grep", "-c", "-F", "-i", "-w", word, s.lines});
    grep.Add(g);
    grepCount = g.output;
    if (!grepCount.empty() && grepCount.back() == '\n') grepCount.pop_back();
  }
  const double budgetKb = (1.05 * static_cast<double>(s.fileSize) + 32.0 * s.records) / 1024.0;
  std::printf(
      "  filter +\"%s\": halvena-dict %7.1f ms (cpu %6.1f)   grep %7.1f ms (cpu %6.1f, "
      "%s lines)   ratio %.2f, cpu ratio %.2f (target <= 0.8)\n",
      word.c_str(), tool.wall * 1e3, tool.cpu * 1e3, grep.wall * 1e3, grep.cpu * 1e3,
      grepCount.c_str(), tool.wall / grep.wall, tool.cpu / grep.cpu);
  std::printf(
      "  peak memory of halvena-dict filter %.1f MiB, budget %.1f MiB: ratio %.3f "
      "(target <= 1)\n",
      static_cast<double>(tool.peakKb) / 1024.0, budgetKb / 1024.0,
      static_cast<double>(tool.peakKb) / budgetKb);
}

// Writes the titles and bodies of a dictionary one entry a line, as the corpus does.
std::string WriteLines(const std::string& dictionary, const std::string& dir,
                       std::int32_t& records) {
  TIDbRecFile store;
  if (!store.LoadFromFile(dictionary, nullptr)) {
    throw std::runtime_error(dictionary + ": does not load");
  }
  records = store.Recs.Count();
  const std::string path = dir + "/" + std::filesystem::path(dictionary).stem().string() + ".txt";
  std::ofstream lines(path, std::ios::binary);
  for (std::int32_t i = 1; i <= records; ++i) {
    const TIDbRec* rec = store.RecAt(i);
    std::string body(rec->Text != nullptr ? rec->Text : "", rec->TextLen);
    for (char& c : body) {
      if (c == '\r' || c == '\n') c = ' ';
    }
    lines << RecTitle(*rec) << ' ' << body << '\n';
  }
  if (!lines.flush()) throw std::runtime_error(path + ": cannot write");
  return path;
}

int Main(int argc, char** argv) {
  std::size_t scale = 4;
  int runs = 5;
  std::vector<std::pair<std::string, std::string>> dictionaries;  // file, word
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (i + 1 >= argc)
      throw std::runtime_error("usage: " + std::string(argv[0]) +
                               " [--scale N] [--runs N] [--dict FILE "
                               "[--word WORD]]...");
    const std::string value = argv[++i];
    if (a == "--scale") {
      scale = std::stoul(value);
    } else if (a == "--runs") {
      runs = std::stoi(value);
    } else if (a == "--dict") {
      dictionaries.emplace_back(value, "heart");
    } else if (a == "--word" && !dictionaries.empty()) {
      dictionaries.back().second = value;
    } else {
      throw std::runtime_error("unknown option " + a);
    }
  }

  const TCorpusFiles corpus(kEntries * scale, kBodyBytes * scale);
  TSubject subject{"benchmark corpus x" + std::to_string(scale), corpus.DictionaryPath(),
                   corpus.LinesPath(), corpus.DictionarySize(),
                   static_cast<std::int32_t>(corpus.Count())};
  std::printf("%s: %.1f MB, %d records\n", subject.name.c_str(), subject.fileSize / 1e6,
              subject.records);
  CompareLoad(subject, runs);
  for (const char* word : {"hart", "xylofoon"}) CompareFilter(subject, word, runs);

  const std::filesystem::path scratch = std::filesystem::path(corpus.LinesPath()).parent_path();
  for (const auto& [file, word] : dictionaries) {
    TSubject d;
    d.name = file;
    d.dictionary = file;
    d.fileSize = std::filesystem::file_size(file);
    d.lines = WriteLines(file, scratch.string(), d.records);
    std::printf("%s: %.1f MB, %d records\n", file.c_str(), d.fileSize / 1e6, d.records);
    CompareLoad(d, runs);
    CompareFilter(d, word, runs);
  }
  return 0;
}

}  // namespace
}  // namespace halvena::bench

int main(int argc, char** argv) {
  try {
    return halvena::bench::Main(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "halvena_compare: %s\n", e.what());
    return 2;
  }
}
