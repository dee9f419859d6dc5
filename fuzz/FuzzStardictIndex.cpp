// Parses arbitrary bytes as the files of a StarDict dictionary: the input is an .ifo, an
// .idx, a .syn and one entry's data, separated by the byte 0xFF. Errors are allowed;
// crashes, hangs and allocations beyond the input are not.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "halvena-dict/Gzip.h"
#include "halvena-dict/StarDict.h"

using namespace halvena::dict;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string_view parts[4];
  for (int i = 0; i < 4; ++i) {
    const std::size_t cut = input.find('\xFF');
    parts[i] = input.substr(0, cut);
    input.remove_prefix(cut == std::string_view::npos ? input.size() : cut + 1);
  }
  TStarDictInfo info;
  try {
    info = ParseStarDictIfo("f.ifo", parts[0]);
  } catch (const TImportError&) {
    // Go on with an index that fits whatever the .idx part holds.
    info.IdxFileSize = parts[1].size();
    info.WordCount = 0;
  }
  std::vector<TIndexEntry> entries;
  try {
    entries = ParseStarDictIdx("f.idx", parts[1], info);
  } catch (const TImportError&) {
  }
  try {
    for (const TSynonym& s : ParseStarDictSyn("f.syn", parts[2], info, entries.size())) {
      if (s.Entry >= entries.size()) std::abort();
    }
  } catch (const TImportError&) {
  }
  for (const std::string_view sequence :
       {std::string_view(), std::string_view(info.SameTypeSequence)}) {
    try {
      for (const TStarDictField& f : SplitStarDictEntry("f.dict", parts[3], sequence)) {
        if (f.Data.data() < parts[3].data() ||
            f.Data.data() + f.Data.size() > parts[3].data() + parts[3].size()) {
          std::abort();
        }
        if (IsReadableStarDictType(f.Type)) StarDictFieldText(f);
      }
    } catch (const TImportError&) {
    }
  }
  return 0;
}
