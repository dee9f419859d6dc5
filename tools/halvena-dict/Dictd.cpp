#include "halvena-dict/Dictd.h"

#include "halvena-dict/Gzip.h"

namespace halvena::dict {
namespace {

int Base64Digit(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

}  // namespace

bool DecodeDictdNumber(std::string_view digits, std::uint64_t& value) {
  value = 0;
  if (digits.empty() || digits.size() > 10) return false;
  for (const char c : digits) {
    const int d = Base64Digit(c);
    if (d < 0) return false;
    value = value * 64 + static_cast<std::uint64_t>(d);
  }
  return true;
}

std::vector<TIndexEntry> ParseDictdIndex(const std::string& file, std::string_view content) {
  std::vector<TIndexEntry> entries;
  int line = 0;
  while (!content.empty()) {
    ++line;
    const std::size_t end = content.find('\n');
    std::string_view text = content.substr(0, end);
    content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    if (text.empty()) continue;
    std::string_view fields[4];
    int count = 0;
    while (count < 4) {
      const std::size_t tab = text.find('\t');
      fields[count++] = text.substr(0, tab);
      if (tab == std::string_view::npos) break;
      text.remove_prefix(tab + 1);
    }
    const std::string where = "line " + std::to_string(line) + ": ";
    if (count < 3) throw TImportError(file, where + "not headword, offset and length");
    TIndexEntry entry;
    entry.Headword = std::string(count == 4 && !fields[3].empty() ? fields[3] : fields[0]);
    if (entry.Headword.empty()) throw TImportError(file, where + "empty headword");
    for (int f = 1; f <= 2; ++f) {
      std::uint64_t& value = f == 1 ? entry.Offset : entry.Length;
      if (!DecodeDictdNumber(fields[f], value)) {
        throw TImportError(file, where + "bad base-64 number \"" + std::string(fields[f]) + "\"");
      }
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

bool IsDictdDatabaseEntry(std::string_view headword) {
  if (headword.starts_with("00database")) return true;
  if (!headword.starts_with("00-") || headword.size() < 4) return false;
  // "00-database-info", and alike the database's own "00-gcide-long" or "00-web1913-info".
  for (const char c : headword.substr(3)) {
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-')) return false;
  }
  return true;
}

}  // namespace halvena::dict
