#include "halvena-dict/Check.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

#include "base/CodePage.h"
#include "data/BodyMarkup.h"
#include "data/IDbRecs.h"

namespace halvena::dict {
namespace {

constexpr std::size_t kHeaderSize = 8;

std::uint32_t U32(const unsigned char* b) {
  return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

std::uint16_t U16(const unsigned char* b) {
  return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

// Reads `size` bytes and forgets them; false when the file ends first.
bool Skip(TRegularFile& file, std::size_t size) {
  char scratch[16384];
  while (size > 0) {
    const std::size_t piece = size < sizeof scratch ? size : sizeof scratch;
    if (file.Read(scratch, piece) != static_cast<std::int64_t>(piece)) return false;
    size -= piece;
  }
  return true;
}

std::string Quoted(std::string_view text) {
  return "\"" + Cp1252ToUtf8(text) + "\"";
}

}  // namespace

TFileShape ReadFileShape(const std::string& path) {
  TFileShape shape;
  TRegularFile file;
  shape.Status = file.Open(path);
  if (shape.Status != TFileReadStatus::Ok) return shape;
  shape.Size = file.Size();
  unsigned char head[kHeaderSize];
  if (file.Read(reinterpret_cast<char*>(head), 4) != 4) return shape;
  shape.HasCount = true;
  shape.Count = static_cast<std::int32_t>(U32(head));
  std::uint64_t pos = 4;
  for (std::int32_t i = 0; i < shape.Count; ++i) {
    if (file.Read(reinterpret_cast<char*>(head), kHeaderSize) != kHeaderSize) {
      shape.CutShort = true;
      return shape;
    }
    const std::size_t texts = std::size_t{U16(head + 4)} + U16(head + 6);
    if (!Skip(file, texts)) {
      shape.CutShort = true;
      return shape;
    }
    pos += kHeaderSize + texts;
    ++shape.Records;
  }
  shape.Trailing = shape.Size - pos;
  return shape;
}

TFileShape LoadedFileShape(const std::string& path, const TIDbRecFile& store) {
  TFileShape shape;
  TRegularFile file;
  shape.Status = file.Open(path);
  if (shape.Status != TFileReadStatus::Ok) return shape;
  shape.Size = file.Size();
  unsigned char head[4];
  if (file.Read(reinterpret_cast<char*>(head), 4) != 4) return shape;
  shape.HasCount = true;
  shape.Count = static_cast<std::int32_t>(U32(head));
  const std::int32_t loaded = store.Recs.Count();
  if (loaded < std::max(shape.Count, 0)) return ReadFileShape(path);
  std::uint64_t pos = 4;
  for (std::int32_t i = 1; i <= loaded; ++i) {
    const TIDbRec* rec = store.RecAt(i);
    pos += kHeaderSize + rec->KeyLen + std::uint64_t{rec->TextLen};
  }
  shape.Records = loaded;
  shape.Trailing = shape.Size > pos ? shape.Size - pos : 0;
  return shape;
}

std::vector<std::string> QuietFaults(const TFileShape& shape) {
  std::vector<std::string> faults;
  if (!shape.HasCount || shape.CutShort) return faults;
  if (shape.Count < 0) {
    faults.push_back("the record count is negative (" + std::to_string(shape.Count) +
                     "): no entry is loaded");
  }
  if (shape.Trailing > 0) {
    faults.push_back(std::to_string(shape.Trailing) +
                     " bytes follow the records the count announces and are ignored");
  }
  return faults;
}

bool CheckDictionary(const std::string& path, std::ostream& out) {
  std::size_t faults = 0;
  auto fault = [&](const std::string& text) {
    out << path << ": " << text << "\n";
    ++faults;
  };
  const TFileShape shape = ReadFileShape(path);
  if (shape.Status != TFileReadStatus::Ok) {
    fault(FileReadStatusText(shape.Status));
  } else if (!shape.HasCount) {
    fault("the file is shorter than its 4-byte record count");
  } else if (shape.CutShort) {
    fault("the file ends inside record " + std::to_string(shape.Records + 1) + " of " +
          std::to_string(shape.Count));
  } else if (shape.Count == 0) {
    fault("the dictionary holds no entries");
  }
  for (const std::string& quiet : QuietFaults(shape)) fault(quiet);

  TIDbRecFile store;
  if (shape.Status == TFileReadStatus::Ok) store.LoadFromFile(path, nullptr);
  std::unordered_map<std::uint32_t, std::int32_t> firstWithId;
  std::unordered_set<std::string_view> titles;
  for (std::int32_t i = 1; i <= store.Recs.Count(); ++i) titles.insert(RecTitle(*store.RecAt(i)));
  for (std::int32_t i = 1; i <= store.Recs.Count(); ++i) {
    const TIDbRec& rec = *store.RecAt(i);
    const std::string where = "record " + std::to_string(i) + ": ";
    const auto [first, isNew] = firstWithId.emplace(rec.Id, i);
    if (!isNew) {
      fault(where + "Id " + std::to_string(rec.Id) + " is also the Id of record " +
            std::to_string(first->second));
    }
    const std::string_view title = RecTitle(rec);
    const char group = LetterGroup(title);
    if (group < 'A' || group > 'Z') {
      fault(where + "the title " + Quoted(title) + " is listed under no letter A to Z");
    }
    const std::string_view body(rec.Text != nullptr ? rec.Text : "", rec.TextLen);
    for (const std::string& ref : CrossRefTexts(body)) {
      if (!titles.contains(ref))
        fault(where + "the cross-reference {" + Cp1252ToUtf8(ref) + "} names no title");
    }
  }
  out << path << ": " << store.Recs.Count() << " entries, ";
  if (faults == 0) {
    out << "no faults\n";
  } else {
    out << faults << (faults == 1 ? " fault\n" : " faults\n");
  }
  return faults == 0;
}

}  // namespace halvena::dict
