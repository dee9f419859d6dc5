// Writing the dictionary file: the inverse of TIDbRecFile::LoadFromFile, for the dictionary
// tool, the tests and the benchmarks (the program itself never writes it).
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace halvena {

// One entry to write, with plain texts.
struct TRecImage {
  std::uint32_t Id = 0;
  std::string Key;
  std::string Text;
};

// The bytes of a dictionary file holding `recs` in the given order, or false (`out` then holds
// no usable file) when a key or body exceeds 65 535 bytes or there are more than 2^31 - 1 records.
bool EncodeRecFile(std::span<const TRecImage> recs, std::string& out);

}  // namespace halvena
