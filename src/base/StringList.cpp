#include "base/StringList.h"

#include <algorithm>

namespace halvena {
namespace {

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Three-way comparison with ASCII letter case ignored; bytes compare unsigned.
int CompareText(const std::string& a, const std::string& b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(AsciiLower(a[i]));
    const auto y = static_cast<unsigned char>(AsciiLower(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool LessText(const std::string& a, const std::string& b) {
  return CompareText(a, b) < 0;
}

}  // namespace

int TStringList::Count() const {
  return static_cast<int>(FItems.size());
}

const std::string& TStringList::operator[](int index) const {
  return FItems[static_cast<std::size_t>(index)];
}

int TStringList::Add(const std::string& item) {
  std::size_t index = FItems.size();
  if (FSorted) {
    const auto pos = std::lower_bound(FItems.begin(), FItems.end(), item, LessText);
    if (pos != FItems.end() && CompareText(*pos, item) == 0) return -1;
    index = static_cast<std::size_t>(pos - FItems.begin());
  }
  FItems.insert(FItems.begin() + static_cast<std::ptrdiff_t>(index), item);
  Changed();
  return static_cast<int>(index);
}

void TStringList::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  FItems.erase(FItems.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (FItems.empty()) return;
  FItems.clear();
  Changed();
}

void TStringList::Assign(const std::vector<std::string>& items) {
  BeginUpdate();
  Clear();
  for (const std::string& item : items) Add(item);
  EndUpdate();
}

void TStringList::Assign(const TStringList& other) {
  if (&other == this) return;
  Assign(other.FItems);
}

int TStringList::IndexOf(const std::string& item) const {
  if (FSorted) {
    const auto pos = std::lower_bound(FItems.begin(), FItems.end(), item, LessText);
    if (pos == FItems.end() || CompareText(*pos, item) != 0) return -1;
    return static_cast<int>(pos - FItems.begin());
  }
  const auto pos = std::find(FItems.begin(), FItems.end(), item);
  return pos == FItems.end() ? -1 : static_cast<int>(pos - FItems.begin());
}

bool TStringList::Sorted() const {
  return FSorted;
}

void TStringList::SetSorted(bool sorted) {
  if (FSorted == sorted) return;
  FSorted = sorted;
  if (sorted && !std::is_sorted(FItems.begin(), FItems.end(), LessText)) {
    std::stable_sort(FItems.begin(), FItems.end(), LessText);
    Changed();
  }
}

void TStringList::BeginUpdate() {
  ++FUpdateCount;
}

void TStringList::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0 && FChangedInUpdate) {
    FChangedInUpdate = false;
    if (OnChange) OnChange();
  }
}

void TStringList::Changed() {
  if (FUpdateCount > 0) {
    FChangedInUpdate = true;
  } else if (OnChange) {
    OnChange();
  }
}

}  // namespace halvena
