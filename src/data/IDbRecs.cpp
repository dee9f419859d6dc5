#include "data/IDbRecs.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "data/Substitution.h"

namespace halvena {
namespace {

constexpr std::size_t kHeaderSize = 8;
// Big enough for the largest record (header plus two texts of 65 535 bytes), so that a record
// is in memory before anything is allocated for it.
constexpr std::size_t kChunkSize = 256 * 1024;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// Reads the file in large chunks and hands out byte runs from them. A run is only handed out
// when all of it has arrived, so that the loader never allocates for bytes the file lacks.
class TChunkReader {
 public:
  explicit TChunkReader(std::FILE* file) : FFile(file), FBuffer(new char[kChunkSize]) {}

  // Makes `count` (<= kChunkSize) bytes available at Data(); false when the file ends first.
  bool Ensure(std::size_t count) {
    if (FEnd - FPos >= count) return true;
    std::memmove(FBuffer.get(), FBuffer.get() + FPos, FEnd - FPos);
    FEnd -= FPos;
    FPos = 0;
    while (FEnd < count) {
      const std::size_t got = std::fread(FBuffer.get() + FEnd, 1, kChunkSize - FEnd, FFile);
      if (got == 0) return false;
      FEnd += got;
    }
    return true;
  }
  const char* Data() const { return FBuffer.get() + FPos; }
  void Skip(std::size_t count) { FPos += count; }

 private:
  std::FILE* FFile;
  std::unique_ptr<char[]> FBuffer;
  std::size_t FPos = 0;
  std::size_t FEnd = 0;
};

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

}  // namespace

TIDbRec* NewRec() {
  return static_cast<TIDbRec*>(std::calloc(1, sizeof(TIDbRec)));
}

bool AllocRecTexts(TIDbRec* rec) {
  std::free(rec->Key);
  std::free(rec->Text);
  rec->Key = nullptr;
  rec->Text = nullptr;
  bool ok = true;
  if (rec->KeyLen > 0) {
    rec->Key = static_cast<char*>(std::malloc(rec->KeyLen + 1u));
    if (rec->Key != nullptr) {
      rec->Key[rec->KeyLen] = '\0';
    } else {
      ok = false;
    }
  }
  if (rec->TextLen > 0) {
    rec->Text = static_cast<char*>(std::malloc(rec->TextLen + 1u));
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
  buffer = static_cast<char*>(std::malloc(text.size() + 1));
  if (buffer == nullptr) return false;
  std::memcpy(buffer, text.data(), text.size());
  buffer[text.size()] = '\0';
  length = static_cast<std::uint16_t>(text.size());
  return true;
}

TIDbRecFile::~TIDbRecFile() {
  Clear();
}

void TIDbRecFile::Clear() {
  for (std::int32_t i = Recs.Count(); i >= 1; --i) {
    Recs.SetItem(i, FreeRec(RecAt(i)));
    Recs.Delete(i);
  }
}

bool TIDbRecFile::LoadFromFile(const std::string& path, TProgressGauge* gauge) {
  Clear();
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return false;
  TChunkReader reader(file.get());
  if (!reader.Ensure(4)) return false;
  const auto count = static_cast<std::int32_t>(ReadU32(reader.Data()));
  reader.Skip(4);

  bool result = true;
  if (gauge != nullptr) {
    gauge->SetProgress(0);
    gauge->SetVisible(true);
  }
  int shownPercent = 0;
  for (std::int32_t i = 1; i <= count; ++i) {
    TIDbRec* rec = NewRec();
    if (rec == nullptr) break;
    if (!reader.Ensure(kHeaderSize)) {
      FreeRec(rec);
      result = false;
      break;
    }
    rec->Id = ReadU32(reader.Data());
    rec->KeyLen = ReadU16(reader.Data() + 4);
    rec->TextLen = ReadU16(reader.Data() + 6);
    // The whole record must have arrived before its texts are allocated.
    if (!reader.Ensure(kHeaderSize + rec->KeyLen + rec->TextLen)) {
      FreeRec(rec);
      result = false;
      break;
    }
    reader.Skip(kHeaderSize);
    if (!AllocRecTexts(rec)) {
      FreeRec(rec);
      break;
    }
    RestoreBytes(rec->Key, reader.Data(), rec->KeyLen);
    reader.Skip(rec->KeyLen);
    RestoreBytes(rec->Text, reader.Data(), rec->TextLen);
    reader.Skip(rec->TextLen);
    if (rec->TextLen > 0 && rec->Text[0] >= 'a' && rec->Text[0] <= 'z') rec->Text[0] -= 32;
    if (!Recs.Add(rec)) {
      FreeRec(rec);
      break;
    }
    if (gauge != nullptr) {
      const int percent = Percent(i, count);
      if (percent != shownPercent) {
        shownPercent = percent;
        gauge->SetProgress(percent);
        gauge->LetPendingWorkRun();
      }
    }
  }
  return result;
}

}  // namespace halvena
