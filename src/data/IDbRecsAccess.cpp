// The queries of the record store: visibility, visible numbers and title lists.
#include <algorithm>
#include <charconv>
#include <cstring>
#include <new>
#include <optional>
#include <string>

#include "data/IDbRecs.h"

namespace halvena {
namespace {

// Writes the list item "N|Title" into `item`, reusing its memory.
void MakeListItem(std::int32_t visNo, std::string_view title, std::string& item) {
  char digits[16];
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, visNo);
  item.assign(digits, end);
  item += '|';
  item += title;
}

}  // namespace

std::string KeyTitle(const char* key) {
  if (key == nullptr) return {};
  const std::string_view whole(key);
  return std::string(whole.substr(0, whole.find('|')));
}

std::string_view RecTitle(const TIDbRec& rec) {
  if (rec.Key == nullptr) return {};
  // Titles are short: one pass for the first "|" or NUL beats two library calls.
  std::size_t n = 0;
  while (n < rec.KeyLen && rec.Key[n] != '|' && rec.Key[n] != '\0') ++n;
  return std::string_view(rec.Key, n);
}

char LetterGroup(std::string_view title) {
  if (title.empty()) return '#';
  const char c = title.front();
  if (c >= '0' && c <= '9') return '0';
  if (c >= 'a' && c <= 'z') return AsciiUpper(c);
  if (c >= 'A' && c <= 'Z') return c;
  return '#';
}

void TIDbRecFile::ShowAll() {
  const std::int32_t n = Recs.Count();
  if (n <= 0) {
    LastVisNo = LastIndex = VisCount = 0;
    return;
  }
  for (TIDbRec& rec : Recs.FRecs) rec.Visible = 1;
  VisCount = n;
  if (LastIndex != 0 && LastIndex <= n) {
    LastVisNo = LastIndex;
  } else {
    LastVisNo = LastIndex = 1;
  }
}

void TIDbRecFile::Filter(TIDbQuery& query, TProgressGauge* gauge) {
  LastVisNo = LastIndex = VisCount = 0;
  LowerQueryText(query);
  std::optional<TParsedQuery> prepared;
  try {
    prepared.emplace(query);
  } catch (const std::bad_alloc&) {
    // Without memory for the terms nothing can be compared: the search finds nothing.
    for (TIDbRec& rec : Recs.FRecs) rec.Visible = 0;
    return;
  }
  const TParsedQuery& parsed = *prepared;
  if (gauge != nullptr) {
    gauge->SetProgress(0);
    gauge->SetVisible(true);
  }
  const std::int32_t n = Recs.Count();
  int shownPercent = 0;
  for (std::int32_t i = 1; i <= n; ++i) {
    TIDbRec& rec = Recs.FRecs[static_cast<std::size_t>(i - 1)];
    rec.Visible = 0;
    TMatchText body(rec.Text, rec.Text != nullptr ? rec.TextLen : 0);
    bool visible = parsed.MatchesQuery(body);
    if (!visible) {
      const std::string_view title = RecTitle(rec);
      TMatchText titleText(title.data(), title.size());
      visible = parsed.MatchesQuery(titleText);
    }
    rec.Visible = visible ? 1 : 0;
    if (visible) {
      if (LastVisNo == 0) {
        LastVisNo = 1;
        LastIndex = i;
      }
      ++VisCount;
    }
    if (gauge != nullptr) {
      const int percent = static_cast<int>(static_cast<double>(i) / n * 100.0);
      if (percent != shownPercent) {
        shownPercent = percent;
        gauge->SetProgress(percent);
      }
    }
  }
  if (gauge != nullptr) gauge->SetVisible(false);
}

std::int32_t TIDbRecFile::VisibleToIndex(std::int32_t visNo) {
  const std::int32_t n = Recs.Count();
  if (n <= 0 || visNo <= 0 || visNo > VisCount) return 0;
  const bool cacheValid = LastIndex > 0 && LastIndex <= n;
  if (visNo == LastVisNo && cacheValid) return LastIndex;

  bool forward = true;
  std::int32_t index = 1;
  std::int32_t count = 0;
  if (cacheValid) {
    if (visNo > LastVisNo) {
      if (visNo - LastVisNo < VisCount - visNo) {
        index = LastIndex + 1;
        count = LastVisNo;
      } else {
        forward = false;
        index = n;
        count = VisCount + 1;
      }
    } else if (LastVisNo - visNo < visNo - 1) {
      forward = false;
      index = LastIndex - 1;
      count = LastVisNo;
    }
  }
  auto visibleAt = [this](std::int32_t i) {
    return Recs.FRecs[static_cast<std::size_t>(i - 1)].Visible == 1;
  };
  if (forward) {
    while (index <= n && count < visNo) {
      if (visibleAt(index)) ++count;
      if (count < visNo) ++index;
    }
  } else {
    while (index > 0 && count > visNo) {
      if (visibleAt(index)) --count;
      if (count > visNo) --index;
    }
  }
  if (index < 1 || index > n || count != visNo) return 0;
  LastVisNo = visNo;
  LastIndex = index;
  return index;
}

void TIDbRecFile::GetVisibleRec(std::int32_t visNo, TIDbRec& out) {
  out = TIDbRec{};
  const std::int32_t index = VisibleToIndex(visNo);
  if (index > 0) {
    if (const TIDbRec* rec = RecAt(index)) out = *rec;
  }
}

void TIDbRecFile::FillTitleList(int mode, char letter, std::vector<std::string>& list) {
  list.clear();
  // Running out of memory ends the list with the items made before.
  try {
    // All visible records: their number is known, so the list grows once, not by doubling.
    if (mode == 2) list.reserve(static_cast<std::size_t>(std::max(VisCount, 0)));
    ForEachTitleItem(mode, letter, [&list](std::string_view item) { list.emplace_back(item); });
  } catch (const std::bad_alloc&) {
    return;
  }
}

void TIDbRecFile::ForEachTitleItem(int mode, char letter,
                                   const std::function<void(std::string_view item)>& take) const {
  if (mode != 1 && mode != 2) return;
  const char group = AsciiUpper(letter);
  std::int32_t visNo = 0;
  std::string item;
  for (const TIDbRec& rec : Recs.FRecs) {
    if (rec.Visible != 1) continue;
    ++visNo;
    const std::string_view title = RecTitle(rec);
    if (mode == 2 || LetterGroup(title) == group) {
      MakeListItem(visNo, title, item);
      take(item);
    }
  }
}

bool TIDbRecFile::HasTitlesFor(int mode, char letter) {
  if (mode != 1) return false;
  const char group = AsciiUpper(letter);
  for (const TIDbRec& rec : Recs.FRecs) {
    if (rec.Visible == 1 && LetterGroup(RecTitle(rec)) == group) return true;
  }
  return false;
}

bool TLetterSet::Has(char letter) const {
  return FGroups.test(static_cast<unsigned char>(AsciiUpper(letter)));
}

TLetterSet TIDbRecFile::LettersWithTitles() const {
  TLetterSet letters;
  for (const TIDbRec& rec : Recs.FRecs) {
    if (rec.Visible == 1) letters.Add(LetterGroup(RecTitle(rec)));
  }
  return letters;
}

}  // namespace halvena
