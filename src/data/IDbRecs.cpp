#include "data/IDbRecs.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <vector>

#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#endif

#include "base/FaultInjection.h"
#include "base/FileRead.h"
#include "data/Substitution.h"

namespace halvena {
namespace {

constexpr std::size_t kHeaderSize = 8;
// The file is read in pieces of this size: each piece's records are restored while the piece
// is still in the cache.
constexpr std::size_t kPieceSize = 256 * 1024;
constexpr std::size_t kHugePage = 2 * 1024 * 1024;

std::uint32_t ReadU32(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

std::uint16_t ReadU16(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

int Percent(std::int64_t done, std::int64_t total) {
  return static_cast<int>(static_cast<double>(done) / static_cast<double>(total) * 100.0);
}

// Every raw buffer of the store comes from here (its arrays come from operator new), so that
// a test can make any one of them fail; released with std::free. Null when memory is exhausted.
void* Allocate(std::size_t size) {
  return faults::NextAllocationFails() ? nullptr : std::malloc(size);
}

// A buffer for `size` bytes, released with std::free; null when memory is exhausted. A large
// one is asked to be backed by huge pages where the system has them: a dictionary's buffer
// is touched once from end to end right after, and that costs far fewer page faults so.
char* NewTextBlock(std::size_t size) {
#if defined(MADV_HUGEPAGE)
  if (size >= kHugePage) {
    if (faults::NextAllocationFails()) return nullptr;
    const std::size_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
    void* p = std::aligned_alloc(kHugePage, rounded);
    if (p != nullptr) madvise(p, rounded, MADV_HUGEPAGE);
    return static_cast<char*>(p);
  }
#endif
  return static_cast<char*>(Allocate(size));
}

// Turns the stored records at the front of a buffer into records of the store, as their
// bytes arrive: the count first, then every record that is complete, restored in place.
class TRecordReader {
 public:
  TRecordReader(char* data, std::vector<TIDbRec>& recs, TProgressGauge* gauge)
      : FData(data), FRecs(recs), FGauge(gauge) {}

  // Takes the records complete in the first `size` bytes; `expected` is the size the buffer
  // will reach, which bounds the number of records. False when memory is exhausted.
  bool Take(std::size_t size, std::size_t expected) {
    if (!FCountRead) {
      if (size < 4) return true;
      FCount = static_cast<std::int32_t>(ReadU32(FData));
      FCountRead = true;
      if (FGauge != nullptr) {
        FGauge->SetProgress(0);
        FGauge->SetVisible(true);
      }
      // Every record takes at least its header, so a lying count reserves no more than that.
      const std::size_t most = (expected - 4) / kHeaderSize;
      try {
        FRecs.reserve(std::min(static_cast<std::size_t>(std::max(FCount, 0)), most));
      } catch (const std::bad_alloc&) {
        return false;
      }
    }
    while (FDone < FCount && size - FPos >= kHeaderSize) {
      char* const at = FData + FPos;
      TIDbRec rec{};
      rec.Id = ReadU32(at);
      rec.KeyLen = ReadU16(at + 4);
      rec.TextLen = ReadU16(at + 6);
      const std::size_t recordSize = kHeaderSize + rec.KeyLen + std::size_t{rec.TextLen};
      if (size - FPos < recordSize) break;
      char* const key = at;
      char* const text = key + rec.KeyLen + 1;
      RestoreBytes(key, at + kHeaderSize, rec.KeyLen);
      key[rec.KeyLen] = '\0';
      RestoreBytes(text, at + kHeaderSize + rec.KeyLen, rec.TextLen);
      text[rec.TextLen] = '\0';
      if (rec.KeyLen > 0) rec.Key = key;
      if (rec.TextLen > 0) {
        rec.Text = text;
        if (text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 32);
      }
      if (rec.KeyLen == 0 && rec.TextLen == 0) rec.Id = 0;
      try {
        FRecs.push_back(rec);
      } catch (const std::bad_alloc&) {
        return false;
      }
      FPos += recordSize;
      ++FDone;
      if (FGauge != nullptr) {
        const int percent = Percent(FDone, FCount);
        if (percent != FShownPercent) {
          FShownPercent = percent;
          FGauge->SetProgress(percent);
          FGauge->LetPendingWorkRun();
        }
      }
    }
    return true;
  }

  // The count has been read and every record it announced has been taken (none for a count
  // of 0 or below).
  bool Complete() const { return FCountRead && FDone >= FCount; }

 private:
  char* FData;
  std::vector<TIDbRec>& FRecs;
  TProgressGauge* FGauge;
  bool FCountRead = false;
  std::int32_t FCount = 0;
  std::int32_t FDone = 0;
  int FShownPercent = 0;
  std::size_t FPos = 4;
};

}  // namespace

TIDbRec* NewRec() {
  return faults::NextAllocationFails() ? nullptr
                                       : static_cast<TIDbRec*>(std::calloc(1, sizeof(TIDbRec)));
}

bool AllocRecTexts(TIDbRec* rec) {
  std::free(rec->Key);
  std::free(rec->Text);
  rec->Key = nullptr;
  rec->Text = nullptr;
  bool ok = true;
  if (rec->KeyLen > 0) {
    rec->Key = static_cast<char*>(Allocate(rec->KeyLen + 1u));
    if (rec->Key != nullptr) {
      rec->Key[rec->KeyLen] = '\0';
    } else {
      ok = false;
    }
  }
  if (rec->TextLen > 0) {
    rec->Text = static_cast<char*>(Allocate(rec->TextLen + 1u));
    if (rec->Text != nullptr) {
      rec->Text[rec->TextLen] = '\0';
    } else {
      ok = false;
    }
  }
  if (rec->KeyLen == 0 && rec->TextLen == 0) rec->Id = 0;
  return ok;
}

TIDbRec* FreeRec(TIDbRec* rec) {
  if (rec == nullptr) return nullptr;
  std::free(rec->Key);
  std::free(rec->Text);
  rec->Id = 0;
  rec->KeyLen = 0;
  rec->TextLen = 0;
  rec->Visible = 0;
  std::free(rec);
  return nullptr;
}

bool SetCountedText(std::string_view text, char*& buffer, std::uint16_t& length) {
  std::free(buffer);
  buffer = nullptr;
  length = 0;
  if (text.size() > 0xFFFF) return false;
  buffer = static_cast<char*>(Allocate(text.size() + 1));
  if (buffer == nullptr) return false;
  std::memcpy(buffer, text.data(), text.size());
  buffer[text.size()] = '\0';
  length = static_cast<std::uint16_t>(text.size());
  return true;
}

void TIDbRecFile::TFree::operator()(char* p) const {
  std::free(p);
}

void TIDbRecFile::Clear() {
  Recs.FRecs = {};
  FTexts.clear();
}

// The file is read into one buffer, which then holds every text: a record's key is restored
// 8 bytes before where it was stored, over the record's header, and its body 7 bytes before,
// so that each text gets its NUL and no byte is copied anywhere else. The file is read in
// pieces and each piece's records are restored while the piece is still in the cache; reading
// stops once the count's records are complete. Only a regular file is read, and never beyond
// the size it had when it was opened.
bool TIDbRecFile::LoadFromFile(const std::string& path, TProgressGauge* gauge) {
  Clear();
  TRegularFile file;
  if (file.Open(path) != TFileReadStatus::Ok) return false;
  if (file.Size() < 4) return false;
  if (file.Size() > std::numeric_limits<std::size_t>::max()) return false;
  const auto fileSize = static_cast<std::size_t>(file.Size());
  TTextBlock block(NewTextBlock(fileSize));
  try {
    FTexts.reserve(1);
  } catch (const std::bad_alloc&) {
    block.reset();
  }
  if (block == nullptr) {
    // Without room for the file no record can be held: as running out of memory before the
    // first record.
    char head[4];
    if (file.Read(head, 4) < 4) return false;
    if (gauge != nullptr) {
      gauge->SetProgress(0);
      gauge->SetVisible(true);
    }
    return true;
  }

  TRecordReader reader{block.get(), Recs.FRecs, gauge};
  bool memoryExhausted = false;
  std::size_t size = 0;
  while (size < fileSize) {
    const std::int64_t got = file.Read(block.get() + size, std::min(kPieceSize, fileSize - size));
    if (got <= 0) break;  // an error, or the file shrank: taken as far as it was read
    size += static_cast<std::size_t>(got);
    if (!reader.Take(size, fileSize)) {
      memoryExhausted = true;
      break;
    }
    if (reader.Complete()) break;
  }
  if (size < 4) return false;
  FTexts.push_back(std::move(block));
  return memoryExhausted || reader.Complete();
}

bool TIDbRecFile::AddRecord(std::uint32_t id, std::string_view key, std::string_view text) {
  if (key.size() > 0xFFFF || text.size() > 0xFFFF) return false;
  try {
    Recs.FRecs.reserve(Recs.FRecs.size() + 1);
    FTexts.reserve(FTexts.size() + 1);
  } catch (const std::bad_alloc&) {
    return false;
  }
  TTextBlock block(static_cast<char*>(Allocate(key.size() + text.size() + 2)));
  if (block == nullptr) return false;
  TIDbRec rec{};
  rec.Id = id;
  rec.KeyLen = static_cast<std::uint16_t>(key.size());
  rec.TextLen = static_cast<std::uint16_t>(text.size());
  char* const keyCopy = block.get();
  char* const textCopy = keyCopy + key.size() + 1;
  std::memcpy(keyCopy, key.data(), key.size());
  keyCopy[key.size()] = '\0';
  std::memcpy(textCopy, text.data(), text.size());
  textCopy[text.size()] = '\0';
  if (!key.empty()) rec.Key = keyCopy;
  if (!text.empty()) rec.Text = textCopy;
  FTexts.push_back(std::move(block));
  Recs.FRecs.push_back(rec);
  return true;
}

}  // namespace halvena
