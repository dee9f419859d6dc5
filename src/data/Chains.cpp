#include "data/Chains.h"

#include <limits>
#include <new>
#include <utility>

namespace halvena {
namespace {

// A new node linked after `after`, or a lone node when `after` is null; null when memory is
// exhausted.
TChainLink* NewLink(TChainLink* after) {
  auto* link = new (std::nothrow) TChainLink;
  if (link == nullptr) return nullptr;
  if (after != nullptr) {
    link->Prev = after;
    link->Next = after->Next;
    if (after->Next != nullptr) after->Next->Prev = link;
    after->Next = link;
  }
  return link;
}

// Unlinks `link` from its neighbours and releases it; false for a null node.
bool DisposeLink(TChainLink* link) {
  if (link == nullptr) return false;
  if (link->Prev != nullptr) link->Prev->Next = link->Next;
  if (link->Next != nullptr) link->Next->Prev = link->Prev;
  delete link;
  return true;
}

}  // namespace

TPointerChain::TPointerChain(std::string name) : FName(std::move(name)) {}

TPointerChain::~TPointerChain() {
  FCursor = FLast;
  FCursorIndex = FCount;
  while (FCount > 0) {
    TChainLink* prev = FCursor->Prev;
    DisposeLink(FCursor);
    FCursor = prev;
    --FCount;
  }
}

void TPointerChain::ResetCursorToFirst() {
  FCursor = FFirst;
  FCursorIndex = FFirst != nullptr ? 1 : 0;
}

void* TPointerChain::GetItem(std::int32_t index) {
  if (FCount <= 0 || index <= 0 || index > FCount) return nullptr;
  const std::int32_t c = FCursorIndex;
  const std::int32_t n = FCount;
  bool forward = true;
  if (index > c) {
    if (index - c >= n - index) {
      FCursor = FLast;
      FCursorIndex = n;
      forward = false;
    }
  } else if (index < c) {
    forward = false;
    if (c - index >= index - 1) {
      FCursor = FFirst;
      FCursorIndex = 1;
      forward = true;
    }
  }
  if (forward) {
    while (FCursor->Next != nullptr && FCursorIndex != index && FCursorIndex < n) {
      FCursor = FCursor->Next;
      ++FCursorIndex;
    }
  } else {
    while (FCursor->Prev != nullptr && FCursorIndex != index && FCursorIndex > 1) {
      FCursor = FCursor->Prev;
      --FCursorIndex;
    }
  }
  return FCursorIndex == index ? FCursor->Data : nullptr;
}

void TPointerChain::SetItem(std::int32_t index, void* item) {
  GetItem(index);
  if (FCursor != nullptr && FCursorIndex == index) {
    FCursor->Data = item;
  } else {
    ResetCursorToFirst();
  }
}

bool TPointerChain::Add(void* item) {
  if (FCount == std::numeric_limits<std::int32_t>::max()) return false;
  TChainLink* link = NewLink(FLast);
  if (link == nullptr) return false;
  link->Data = item;
  if (FFirst == nullptr) FFirst = link;
  FLast = link;
  ++FCount;
  FCursor = link;
  FCursorIndex = FCount;
  return true;
}

bool TPointerChain::Delete(std::int32_t index) {
  if (FCount <= 0 || index > FCount) return false;
  GetItem(index);
  if (FCursorIndex != index) {
    ResetCursorToFirst();
    return false;
  }
  if (index == 1) FFirst = FCursor->Next;
  if (index == FCount) FLast = FCursor->Prev;
  DisposeLink(FCursor);
  --FCount;
  if (FCount == 0) {
    FCursor = FFirst = FLast = nullptr;
    FCursorIndex = 0;
  } else {
    ResetCursorToFirst();
  }
  return true;
}

TChainLink* TPointerChain::NextNode() const {
  return FCursor != nullptr ? FCursor->Next : nullptr;
}

TChainLink* TPointerChain::PrevNode() const {
  return FCursor != nullptr ? FCursor->Prev : nullptr;
}

}  // namespace halvena
