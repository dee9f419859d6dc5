// Parses arbitrary bytes as `.txt` and `.jsonl` dictionary sources; whatever parses must be
// written back and read again unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "halvena-dict/DictSource.h"

using namespace halvena::dict;

namespace {

void CheckRoundTrip(const TSourceEntry& e) {
  const TDumpEntry dump{e.Id, e.Key, e.Text};
  const auto txt = ParseTxtSource("t.txt", FormatTxtEntry(dump));
  if (txt.size() != 1 || txt[0].Key != e.Key || txt[0].Text != e.Text || txt[0].Id != e.Id)
    std::abort();
  const auto json = ParseJsonlSource("t.jsonl", FormatJsonlEntry(dump));
  if (json.size() != 1 || json[0].Key != e.Key || json[0].Text != e.Text) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string content(reinterpret_cast<const char*>(data), size);
  try {
    for (const auto& e : ParseTxtSource("f.txt", content)) CheckRoundTrip(e);
  } catch (const TDictError&) {
  }
  try {
    for (const auto& e : ParseJsonlSource("f.jsonl", content)) CheckRoundTrip(e);
  } catch (const TDictError&) {
  }
  return 0;
}
