// The dictionary in memory: TIDbRec, one entry, and TIDbRecFile, the read-only store that
// loads every entry of the dictionary file in file order and answers the queries of the user
// interface by visible number. User-interface thread only: even reading moves the caches.
//
// A loaded store holds the records in one array and all their texts in one buffer, the file
// itself read whole and restored within it; releasing the store releases those two, never
// a record at a time.
//
// The file: a little-endian signed 32-bit record count, then the records back to back, each
// an unsigned 32-bit Id, 16-bit key length K, 16-bit body length T, and the K key bytes and T
// body bytes, every byte stored through SubstituteByte.
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/ProgressGauge.h"
#include "data/Query.h"

namespace halvena {

// One dictionary entry. Key and Text are NUL-terminated buffers of KeyLen + 1 and TextLen + 1
// bytes owned by the store, or null when the length is 0; a null text is an empty text. The
// title is the key up to its first "|". In the body CR LF ends a paragraph and "{Title}" is a
// cross-reference.
struct TIDbRec {
  std::uint32_t Id;
  std::uint16_t KeyLen;
  std::uint16_t TextLen;
  char* Key;
  char* Text;
  std::uint8_t Visible;  // 1 when the record passes the current filter
};

// The operations on a record kept on its own (the store holds its records otherwise).
// A zero-filled record, or null when memory is exhausted. Release it with FreeRec.
TIDbRec* NewRec();
// Replaces the record's texts by buffers for KeyLen and TextLen bytes, each with its NUL in
// place. Both lengths 0 make the Id 0 too. False when memory is exhausted.
bool AllocRecTexts(TIDbRec* rec);
// Releases both texts and the record (null is fine); answers null for storing back.
TIDbRec* FreeRec(TIDbRec* rec);

// The key up to, not including, its first "|"; the whole key when there is none; empty for
// null. The key ends at its NUL.
std::string KeyTitle(const char* key);
// The title of a record as a view into its key.
std::string_view RecTitle(const TIDbRec& rec);

// Replaces `buffer` (released with std::free) by a NUL-terminated copy of `text` and sets
// `length`. A text longer than 65 535 bytes, or exhausted memory, leaves the buffer null and
// the length 0 and answers false: a length is never cut or wrapped.
bool SetCountedText(std::string_view text, char*& buffer, std::uint16_t& length);

// The letter button a title is listed under: '0' for a digit, the capital of an ASCII letter,
// '#' for anything else, an empty title included.
char LetterGroup(std::string_view title);

// The records of a store in file order, addressed 1-based.
class TRecTable {
 public:
  std::int32_t Count() const { return static_cast<std::int32_t>(FRecs.size()); }
  // The record at `index`, or null for an index outside 1..Count().
  TIDbRec* GetItem(std::int32_t index) {
    return index >= 1 && index <= Count() ? &FRecs[static_cast<std::size_t>(index - 1)] : nullptr;
  }
  const TIDbRec* GetItem(std::int32_t index) const {
    return index >= 1 && index <= Count() ? &FRecs[static_cast<std::size_t>(index - 1)] : nullptr;
  }

 private:
  friend class TIDbRecFile;
  std::vector<TIDbRec> FRecs;
};

// The letter groups (see LetterGroup) that hold at least one visible record.
class TLetterSet {
 public:
  // Whether the group of `letter`, letter case ignored, is in the set; false for a character
  // that names no group.
  bool Has(char letter) const;

 private:
  friend class TIDbRecFile;
  void Add(char group) { FGroups.set(static_cast<unsigned char>(group)); }

  std::bitset<256> FGroups;  // only ever holds group characters
};

class TIDbRecFile {
 public:
  TIDbRecFile() = default;
  TIDbRecFile(const TIDbRecFile&) = delete;
  TIDbRecFile& operator=(const TIDbRecFile&) = delete;

  // Replaces the store's records by those of the file at `path`. False when the file cannot
  // be opened, holds fewer than 4 bytes or ends inside a record; the records read before that
  // stay. Running out of memory stops quietly and still answers true. No record is visible
  // afterwards. `gauge` (may be null, not owned) is set to 0 and shown, then follows the
  // progress; pending work runs whenever the shown percentage changes.
  bool LoadFromFile(const std::string& path, TProgressGauge* gauge);

  // Makes every record visible and aims the visible-number cache at the record it held.
  void ShowAll();
  // Makes visible exactly the records whose body or title passes `query`, whose text is
  // lower-cased in place. Afterwards the cache points at the first match, visible number 1.
  // `gauge` (may be null, not owned) is shown with the progress and hidden at the end. Without
  // memory for the query's terms nothing is visible afterwards.
  void Filter(TIDbQuery& query, TProgressGauge* gauge);
  // The index of the record with visible number `visNo`, or 0 when there is none.
  std::int32_t VisibleToIndex(std::int32_t visNo);
  // A shallow copy of that record (the texts stay the store's), all zero when there is none.
  void GetVisibleRec(std::int32_t visNo, TIDbRec& out);
  // Replaces `list` by the items "N|Title" of the visible records in file order: mode 2 all of
  // them, mode 1 those under `letter` (see LetterGroup; letter case ignored), other modes none.
  // Running out of memory ends the list with the items made before.
  void FillTitleList(int mode, char letter, std::vector<std::string>& list);
  // Hands the items FillTitleList would make to `take` one by one, in order, keeping none:
  // for listing more titles than are worth holding. `item` lives until `take` returns.
  void ForEachTitleItem(int mode, char letter,
                        const std::function<void(std::string_view item)>& take) const;
  // Mode 1: whether a visible record is listed under `letter`; other modes: false.
  bool HasTitlesFor(int mode, char letter);
  // Every letter's answer of HasTitlesFor in mode 1, from one pass over the records.
  TLetterSet LettersWithTitles() const;

  // Appends a record with copies of `key` and `text`, as they are, not visible. False, the
  // store unchanged, for a text longer than 65 535 bytes or when memory is exhausted. For
  // stores made in memory rather than loaded.
  bool AddRecord(std::uint32_t id, std::string_view key, std::string_view text);

  // The record at index `index` (1-based), or null.
  TIDbRec* RecAt(std::int32_t index) { return Recs.GetItem(index); }
  const TIDbRec* RecAt(std::int32_t index) const { return Recs.GetItem(index); }

  TRecTable Recs;              // the records, in file order
  std::int32_t LastVisNo = 0;  // visible number last resolved; the entry on screen
  std::int32_t LastIndex = 0;  // its index; both 0 when there is no cache
  std::int32_t VisCount = 0;   // number of visible records

 private:
  struct TFree {
    void operator()(char* p) const;
  };
  using TTextBlock = std::unique_ptr<char, TFree>;

  void Clear();

  std::vector<TTextBlock> FTexts;  // every text of the records lies in one of these
};

}  // namespace halvena
