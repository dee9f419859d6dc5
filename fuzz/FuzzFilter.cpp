// Runs an arbitrary query over arbitrary records. Input: one byte of flags, two bytes of
// query length, the query, then records as [key length byte][key][text length byte][text].
// The letters with titles must agree with asking letter by letter.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/IDbRecs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const std::uint8_t flags = data[0];
  std::size_t queryLen = data[1] | (data[2] << 8);
  std::size_t pos = 3;
  if (queryLen > size - pos) queryLen = size - pos;
  std::string query(reinterpret_cast<const char*>(data + pos), queryLen);
  pos += queryLen;

  halvena::TIDbRecFile store;
  auto take = [&](std::size_t len) {
    if (len > size - pos) len = size - pos;
    std::string s(reinterpret_cast<const char*>(data + pos), len);
    pos += len;
    return s;
  };
  while (pos < size) {
    const std::string key = take(data[pos++]);
    const std::string text = pos < size ? take(data[pos++] * 4u) : std::string();
    store.AddRecord(static_cast<std::uint32_t>(store.Recs.Count() + 1), key, text);
  }

  char scope[] = "A";
  halvena::TIDbQuery q;
  if (flags & 1) {
    q.Scope = scope;
    q.ScopeLen = 1;
  }
  if (!query.empty() || (flags & 2)) {
    q.Query = query.data();
    q.QueryLen = query.size();
  }
  store.Filter(q, nullptr);
  std::int32_t visible = 0;
  for (std::int32_t i = 1; i <= store.Recs.Count(); ++i) visible += store.RecAt(i)->Visible;
  if (visible != store.VisCount) std::abort();
  std::vector<std::string> items;
  store.FillTitleList(2, ' ', items);
  if (static_cast<std::int32_t>(items.size()) != store.VisCount) std::abort();
  const halvena::TLetterSet letters = store.LettersWithTitles();
  for (int c = 0; c < 256; ++c) {
    if (letters.Has(static_cast<char>(c)) != store.HasTitlesFor(1, static_cast<char>(c)))
      std::abort();
  }
  halvena::TIDbRec rec;
  for (std::int32_t v = 1; v <= store.VisCount; ++v) {
    store.GetVisibleRec(v, rec);
    if (rec.Visible != 1) std::abort();
  }
  return 0;
}
