// TStringList: the ordered list of byte strings behind every list of the user interface, with
// the framework behaviour the controls and handlers rely on. User-interface thread only.
//
// Change notification: OnChange runs after every change, or once at the end of an update
// bracket (BeginUpdate/EndUpdate, nested) in which anything changed. Sorted mode keeps the
// items in ascending order with ASCII letter case ignored, and Add ignores an item equal to
// one already there (case ignored).
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace halvena {

class TStringList {
 public:
  int Count() const;
  const std::string& operator[](int index) const;  // 0 <= index < Count()
  // The items in order, read in place; valid until the list next changes.
  const std::vector<std::string>& Items() const { return FItems; }
  // Appends (or, sorted, inserts in order); answers the index, or -1 when sorted and a
  // duplicate.
  int Add(const std::string& item);
  void Delete(int index);  // a bad index does nothing
  void Clear();
  // Replaces the items by `items` (kept in their order unless sorted).
  void Assign(const std::vector<std::string>& items);
  void Assign(const TStringList& other);
  // Index of the first item equal to `item` (case ignored when sorted), or -1.
  int IndexOf(const std::string& item) const;
  bool Sorted() const;
  void SetSorted(bool sorted);  // sorting an unsorted list keeps its items, in order
  void BeginUpdate();
  void EndUpdate();

  std::function<void()> OnChange;

 private:
  void Changed();

  std::vector<std::string> FItems;
  bool FSorted = false;
  int FUpdateCount = 0;
  bool FChangedInUpdate = false;
};

}  // namespace halvena
