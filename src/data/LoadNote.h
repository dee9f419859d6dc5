// The line the program writes on standard error after loading the dictionary, so that a
// dictionary that could not be read, was cut short or holds nothing does not pass unseen; the
// window itself goes on with what was loaded. Plain function; any thread.
#pragma once

#include <string>

#include "data/IDbRecs.h"

namespace halvena {

// Empty when `store` loaded the file at `path` whole (`loaded` is LoadFromFile's answer) and
// holds entries, and when there is no file at `path` (the program names its missing data at
// start); otherwise one line, without line end, naming the file and what went wrong.
std::string DictionaryLoadNote(const std::string& path, bool loaded, const TIDbRecFile& store);

}  // namespace halvena
