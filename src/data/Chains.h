// TPointerChain: the 1-based doubly linked list of untyped pointers that holds the dictionary
// in memory, with a cursor that makes runs of ascending or descending indices cost one step
// each. User-interface thread only: even GetItem moves the cursor.
#pragma once

#include <cstdint>
#include <string>

namespace halvena {

// One node of a chain; allocated separately for every item.
struct TChainLink {
  void* Data = nullptr;
  TChainLink* Next = nullptr;
  TChainLink* Prev = nullptr;
};

// The chain owns its nodes but never the items they point to: the owner releases the items
// and empties the chain by deleting from the last index down to 1.
// Invariant: FCount == 0 exactly when FCursor, FFirst and FLast are null and FCursorIndex is
// 0; otherwise FCursor is the node at FCursorIndex, 1 <= FCursorIndex <= FCount.
class TPointerChain {
 public:
  // `name` is a label for identification only.
  explicit TPointerChain(std::string name);
  // Releases every node, last to first; the items are not touched.
  ~TPointerChain();
  TPointerChain(const TPointerChain&) = delete;
  TPointerChain& operator=(const TPointerChain&) = delete;

  std::int32_t Count() const { return FCount; }
  const std::string& Name() const { return FName; }
  // 1-based index of the node last reached; 0 when the chain is empty.
  std::int32_t CursorIndex() const { return FCursorIndex; }

  // The item at `index` (1-based), or null for a bad index, which leaves the cursor alone.
  // Walks from whichever of cursor, first and last node is nearest; on a tie the end wins.
  void* GetItem(std::int32_t index);
  // Replaces the item at `index`; a bad index stores nothing and resets the cursor to 1.
  void SetItem(std::int32_t index, void* item);
  // Appends `item` at the end and makes it the cursor. False, chain unchanged, when no node
  // can be had.
  bool Add(void* item);
  // Unlinks and releases the node at `index` (not its item). False for a bad index. The
  // cursor is at index 1 afterwards (or nowhere when the chain became empty).
  bool Delete(std::int32_t index);
  // The neighbours of the cursor node; null when there is none or no cursor.
  TChainLink* NextNode() const;
  TChainLink* PrevNode() const;

 private:
  void ResetCursorToFirst();

  std::int32_t FCount = 0;
  TChainLink* FCursor = nullptr;
  std::int32_t FCursorIndex = 0;
  TChainLink* FFirst = nullptr;
  TChainLink* FLast = nullptr;
  std::string FName;
};

}  // namespace halvena
