// Parses arbitrary bytes as a dictd index and inflates them as a gzip stream: errors are
// allowed, crashes, hangs and allocations beyond the input are not.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "halvena-dict/Dictd.h"
#include "halvena-dict/Gzip.h"

using namespace halvena::dict;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string content(reinterpret_cast<const char*>(data), size);
  try {
    for (const TIndexEntry& e : ParseDictdIndex("f.index", content)) {
      if (e.Headword.empty()) std::abort();
      if (e.Offset >= (1ull << 60) || e.Length >= (1ull << 60)) std::abort();
    }
  } catch (const TImportError&) {
  }
  try {
    InflateGzip("f.gz", content, 1 << 16);
  } catch (const TImportError&) {
  }
  return 0;
}
