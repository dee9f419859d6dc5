// The shape of a dictionary file as stored (its count, where its records end, what follows
// them) and the faults an editor of the file needs to know, including those the program's
// loader passes over quietly. Used by `halvena-dict check` and by the tool's notes on loading.
// One thread at a time per call; no state.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "base/FileRead.h"
#include "data/IDbRecs.h"

namespace halvena::dict {

struct TFileShape {
  TFileReadStatus Status = TFileReadStatus::Ok;  // whether the file could be opened
  std::uint64_t Size = 0;                        // its size
  bool HasCount = false;                         // it holds the 4-byte count
  std::int32_t Count = 0;                        // the count as stored
  std::int64_t Records = 0;                      // complete records among those the count announces
  bool CutShort = false;                         // the file ends inside record Records + 1
  std::uint64_t Trailing = 0;                    // bytes after the last record the count announces
};

// Walks the records of the regular file at `path` by their headers, keeping none of them.
TFileShape ReadFileShape(const std::string& path);
// The shape of the file at `path` that `store` has just loaded, taken from the loaded records
// and the file's count rather than by walking the file again; walks it when the store holds
// fewer records than the count announces.
TFileShape LoadedFileShape(const std::string& path, const TIDbRecFile& store);

// The quiet faults of a file the loader reads without complaint, one text each: a negative
// count, and bytes after the last record.
std::vector<std::string> QuietFaults(const TFileShape& shape);

// Every fault of the dictionary at `path`: a file that cannot be read or is cut short, a count
// of 0 or below, bytes after the last record, Ids used twice, titles listed under no letter A
// to Z, and cross-references that name no title. Writes "PATH: fault" for each and a last
// line with the number of entries and faults to `out`; true when there is none.
bool CheckDictionary(const std::string& path, std::ostream& out);

}  // namespace halvena::dict
