// A deterministic dictionary corpus for benchmarks: Dutch-like words with accented letters,
// paragraphs and cross-references, written as a dictionary file and as one line per entry for
// comparison with grep.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "data/RecWriter.h"

namespace halvena::bench {

// `count` entries whose bodies hold about `bodyBytes` bytes in all; the same arguments give
// the same corpus.
std::vector<TRecImage> MakeCorpus(std::size_t count, std::size_t bodyBytes);

// The corpus written to files in a temporary folder that lives as long as the object.
class TCorpusFiles {
 public:
  TCorpusFiles(std::size_t count, std::size_t bodyBytes);
  ~TCorpusFiles();
  TCorpusFiles(const TCorpusFiles&) = delete;
  TCorpusFiles& operator=(const TCorpusFiles&) = delete;

  const std::string& DictionaryPath() const { return FDictionary; }  // IDbRecs.dat
  const std::string& LinesPath() const { return FLines; }  // title and body, one entry a line
  std::size_t DictionarySize() const { return FDictionarySize; }
  std::size_t TextBytes() const { return FTextBytes; }  // all titles and bodies
  std::size_t Count() const { return FCount; }

 private:
  std::string FDir, FDictionary, FLines;
  std::size_t FDictionarySize = 0, FTextBytes = 0, FCount = 0;
};

}  // namespace halvena::bench
