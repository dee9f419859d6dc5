#include "halvena-dict/DictBuild.h"

#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>

#include "base/CodePage.h"
#include "data/BodyMarkup.h"
#include "data/IDbRecs.h"
#include "data/TextSearch.h"

namespace halvena::dict {
namespace {

// The letters that the accented letters of Windows-1252 sort with.
std::string_view BaseLetters(unsigned char b) {
  switch (Cp1252ToUnicode(b)) {
    case U'À':
    case U'Á':
    case U'Â':
    case U'Ã':
    case U'Ä':
    case U'Å':
    case U'à':
    case U'á':
    case U'â':
    case U'ã':
    case U'ä':
    case U'å':
      return "a";
    case U'Æ':
    case U'æ':
      return "ae";
    case U'Ç':
    case U'ç':
      return "c";
    case U'È':
    case U'É':
    case U'Ê':
    case U'Ë':
    case U'è':
    case U'é':
    case U'ê':
    case U'ë':
      return "e";
    case U'Ì':
    case U'Í':
    case U'Î':
    case U'Ï':
    case U'ì':
    case U'í':
    case U'î':
    case U'ï':
      return "i";
    case U'Ð':
    case U'ð':
      return "d";
    case U'Ñ':
    case U'ñ':
      return "n";
    case U'Ò':
    case U'Ó':
    case U'Ô':
    case U'Õ':
    case U'Ö':
    case U'Ø':
    case U'ò':
    case U'ó':
    case U'ô':
    case U'õ':
    case U'ö':
    case U'ø':
      return "o";
    case U'Œ':
    case U'œ':
      return "oe";
    case U'Š':
    case U'š':
      return "s";
    case U'ß':
      return "ss";
    case U'Þ':
    case U'þ':
      return "th";
    case U'Ù':
    case U'Ú':
    case U'Û':
    case U'Ü':
    case U'ù':
    case U'ú':
    case U'û':
    case U'ü':
      return "u";
    case U'Ý':
    case U'ý':
    case U'ÿ':
    case U'Ÿ':
      return "y";
    case U'Ž':
    case U'ž':
      return "z";
    default:
      return {};
  }
}

std::string FoldTitle(std::string_view title) {
  std::string folded;
  for (char c : title) folded += AsciiLower(c);
  return folded;
}

std::string Place(const TSourceEntry& e) {
  return e.File + ":" + std::to_string(e.Line);
}

}  // namespace

void AssignIds(std::vector<TSourceEntry>& entries) {
  std::map<std::uint32_t, const TSourceEntry*> used;
  for (const TSourceEntry& e : entries) {
    if (e.Id == 0) continue;
    const auto [it, fresh] = used.emplace(e.Id, &e);
    if (!fresh) {
      throw TDictError(
          e.File, e.Line,
          "duplicate Id " + std::to_string(e.Id) + " (first at " + Place(*it->second) + ")");
    }
  }
  std::uint32_t next = 1;
  for (TSourceEntry& e : entries) {
    if (e.Id != 0) continue;
    while (used.count(next) != 0) ++next;
    if (next == 0) throw TDictError(e.File, e.Line, "no Id left to assign");
    e.Id = next++;
  }
}

std::string FoldForSorting(std::string_view title) {
  std::string key;
  for (char c : title) {
    const std::string_view base = BaseLetters(static_cast<unsigned char>(c));
    if (base.empty()) {
      key += AsciiLower(c);
    } else {
      key += base;
    }
  }
  return key;
}

void SortEntries(std::vector<TSourceEntry>& entries) {
  std::vector<std::pair<std::string, std::size_t>> keys;
  keys.reserve(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    keys.emplace_back(FoldForSorting(KeyTitle(entries[i].Key.c_str())), i);
  }
  std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) {
    return static_cast<std::string_view>(a.first) < static_cast<std::string_view>(b.first);
  });
  std::vector<TSourceEntry> sorted;
  sorted.reserve(entries.size());
  for (const auto& k : keys) sorted.push_back(std::move(entries[k.second]));
  entries = std::move(sorted);
}

std::vector<std::string> CheckEntries(const std::vector<TSourceEntry>& entries) {
  std::unordered_map<std::string, const TSourceEntry*> titles;
  for (const TSourceEntry& e : entries) titles.emplace(FoldTitle(KeyTitle(e.Key.c_str())), &e);

  std::vector<std::string> warnings;
  for (const TSourceEntry& e : entries) {
    const std::string title = KeyTitle(e.Key.c_str());
    const std::string shown = "\"" + Cp1252ToUtf8(title) + "\"";
    const char first = title.empty() ? '\0' : title.front();
    if (!((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z'))) {
      warnings.push_back(Place(e) + ": warning: title " + shown +
                         " does not begin with a letter A-Z and is listed under no letter");
    }
    const TSourceEntry* firstWithTitle = titles.at(FoldTitle(title));
    if (firstWithTitle != &e) {
      warnings.push_back(Place(e) + ": warning: title " + shown + " also at " +
                         Place(*firstWithTitle));
    }
    if (e.Text.empty()) warnings.push_back(Place(e) + ": warning: entry " + shown + " has no body");
    std::set<std::string> reported;
    for (const std::string& ref : CrossRefTexts(e.Text)) {
      const std::string folded = FoldTitle(ref);
      if (titles.count(folded) != 0 || !reported.insert(folded).second) continue;
      warnings.push_back(Place(e) + ": warning: cross-reference {" + Cp1252ToUtf8(ref) +
                         "} names no title");
    }
  }
  return warnings;
}

}  // namespace halvena::dict
