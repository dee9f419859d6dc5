#include "Corpus.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace halvena::bench {
namespace {

// splitmix64: small, fast and the same everywhere.
class TRandom {
 public:
  explicit TRandom(std::uint64_t seed) : FState(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (FState += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  std::size_t Below(std::size_t n) { return static_cast<std::size_t>(Next() % n); }

 private:
  std::uint64_t FState;
};

// Windows-1252 syllables; \xEB is ë, \xE9 é, \xEF ï, \xF6 ö, \xFC ü.
const char* const kSyllables[] = {"ge",
                                  "ver",
                                  "ont",
                                  "be",
                                  "aan",
                                  "de",
                                  "het",
                                  "een",
                                  "van",
                                  "ste",
                                  "king",
                                  "lijk",
                                  "heid",
                                  "ing",
                                  "en",
                                  "er",
                                  "hart",
                                  "long",
                                  "lever",
                                  "nier",
                                  "bloed",
                                  "vat",
                                  "spier",
                                  "zenuw",
                                  "bot",
                                  "huid",
                                  "maag",
                                  "darm",
                                  "slag",
                                  "ader",
                                  "klep",
                                  "ziek",
                                  "te",
                                  "pijn",
                                  "ont",
                                  "ste",
                                  "ma",
                                  "ri\xEB",
                                  "\xE9\xE9n",
                                  "co\xF6r",
                                  "na\xEF"
                                  "ef",
                                  "m\xFC",
                                  "ca",
                                  "ti",
                                  "o",
                                  "sis",
                                  "tis",
                                  "pa"};
const char* const kFillers[] = {"de",  "het",  "een", "en",  "van",   "in",  "is",  "met",  "op",
                                "bij", "door", "dat", "die", "wordt", "kan", "ook", "niet", "zijn"};

std::string Word(TRandom& rng) {
  std::string w;
  const std::size_t n = 1 + rng.Below(3);
  for (std::size_t i = 0; i < n; ++i) w += kSyllables[rng.Below(std::size(kSyllables))];
  return w;
}

}  // namespace

std::vector<TRecImage> MakeCorpus(std::size_t count, std::size_t bodyBytes) {
  TRandom rng(20261207);
  std::vector<TRecImage> recs;
  std::vector<std::string> titles;
  recs.reserve(count);
  titles.reserve(count);
  const std::size_t perBody = bodyBytes / count;
  for (std::size_t i = 0; i < count; ++i) {
    TRecImage rec;
    rec.Id = static_cast<std::uint32_t>(i + 1);
    std::string title = Word(rng);
    if (title[0] >= 'a' && title[0] <= 'z') title[0] = static_cast<char>(title[0] - 32);
    title += " " + std::to_string(i);
    rec.Key = title + "|" + Word(rng);
    const std::size_t target = perBody / 2 + rng.Below(perBody + 1);
    std::string& body = rec.Text;
    while (body.size() < target) {
      const std::size_t roll = rng.Below(100);
      if (roll < 45) {
        body += kFillers[rng.Below(std::size(kFillers))];
      } else if (roll < 98 || titles.empty()) {
        body += Word(rng);
      } else {
        body += "{" + titles[rng.Below(titles.size())] + "}";
      }
      const std::size_t end = rng.Below(40);
      body += end == 0 ? ".\r\n" : end < 3 ? ", " : " ";
    }
    titles.push_back(std::move(title));
    recs.push_back(std::move(rec));
  }
  return recs;
}

// The corpus is made in a child process, so that the benchmarks' own heap is not riddled with
// the holes of the generator's strings: the store then lies in memory as it does in the
// program, which loads it into a fresh heap.
TCorpusFiles::TCorpusFiles(std::size_t count, std::size_t bodyBytes) : FCount(count) {
  FDir = (std::filesystem::temp_directory_path() /
          ("halvena-bench-" + std::to_string(::getpid()) + "-" + std::to_string(count)))
             .string();
  std::filesystem::create_directories(FDir);
  FDictionary = FDir + "/IDbRecs.dat";
  FLines = FDir + "/entries.txt";
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("cannot fork the corpus generator");
  if (child == 0) {
    const std::vector<TRecImage> recs = MakeCorpus(count, bodyBytes);
    std::string bytes;
    if (!EncodeRecFile(recs, bytes)) _exit(1);
    std::ofstream(FDictionary, std::ios::binary) << bytes;
    std::ofstream lines(FLines, std::ios::binary);
    for (const TRecImage& rec : recs) {
      std::string body = rec.Text;
      for (char& c : body) {
        if (c == '\r' || c == '\n') c = ' ';
      }
      lines << rec.Key.substr(0, rec.Key.find('|')) << ' ' << body << '\n';
    }
    lines.flush();
    _exit(lines ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    throw std::runtime_error("the corpus generator failed");
  }
  FDictionarySize = std::filesystem::file_size(FDictionary);
  // Each line holds a title, a blank, the body and a line end.
  FTextBytes = std::filesystem::file_size(FLines) - 2 * count;
}

TCorpusFiles::~TCorpusFiles() {
  std::filesystem::remove_all(FDir);
}

}  // namespace halvena::bench
