// Files of open dictionaries written by the tests: a scratch folder, gzip and dictzip
// compression, dictd base-64 numbers and StarDict's big-endian fields.
#pragma once

#include <unistd.h>
#include <zlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace halvena::test {

class TScratch {
 public:
  TScratch() {
    FDir = std::filesystem::temp_directory_path() /
           ("halvena-import-" + std::to_string(::getpid()) + "-" + std::to_string(FCounter++));
    std::filesystem::create_directories(FDir);
  }
  ~TScratch() { std::filesystem::remove_all(FDir); }
  std::string Path(const std::string& name) const { return (FDir / name).string(); }
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary | std::ios::trunc) << bytes;
    return Path(name);
  }

 private:
  static inline int FCounter = 0;
  std::filesystem::path FDir;
};

// A dictd base-64 number.
inline std::string Base64Number(std::uint64_t v) {
  static const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string s;
  do {
    s.insert(s.begin(), kDigits[v % 64]);
    v /= 64;
  } while (v > 0);
  return s;
}

inline std::string BigEndian(std::uint64_t v, int bytes) {
  std::string s;
  for (int i = bytes - 1; i >= 0; --i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
  return s;
}

inline std::string LittleEndian16(unsigned v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}

// Raw deflate of `data`, flushed fully after every `chunk` bytes when chunk > 0; the sizes of
// the pieces go to `sizes`.
inline std::string Deflate(const std::string& data, std::size_t chunk,
                           std::vector<std::size_t>* sizes) {
  z_stream s{};
  deflateInit2(&s, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
  std::string out;
  std::size_t pos = 0;
  do {
    const std::size_t n = chunk > 0 ? std::min(chunk, data.size() - pos) : data.size();
    const bool last = pos + n >= data.size();
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data() + pos));
    s.avail_in = static_cast<uInt>(n);
    const std::size_t before = out.size();
    char buffer[1 << 16];
    do {
      s.next_out = reinterpret_cast<Bytef*>(buffer);
      s.avail_out = sizeof buffer;
      deflate(&s, last ? Z_FINISH : Z_FULL_FLUSH);
      out.append(buffer, sizeof buffer - s.avail_out);
    } while (s.avail_out == 0);
    if (sizes != nullptr) sizes->push_back(out.size() - before);
    pos += n;
  } while (pos < data.size());
  deflateEnd(&s);
  return out;
}

inline std::string GzipTrailer(const std::string& data) {
  const auto crc =
      crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size()));
  std::string t;
  for (int i = 0; i < 4; ++i) t += static_cast<char>((crc >> (8 * i)) & 0xFF);
  for (int i = 0; i < 4; ++i) t += static_cast<char>((data.size() >> (8 * i)) & 0xFF);
  return t;
}

// A plain gzip member with a file name in its header.
inline std::string Gzip(const std::string& data) {
  std::string g("\x1F\x8B\x08\x08\0\0\0\0\x02\x03", 10);
  g += std::string("data.dict", 10);
  return g + Deflate(data, 0, nullptr) + GzipTrailer(data);
}

// A dictzip file: gzip with the "RA" chunk table in its extra field.
inline std::string Dictzip(const std::string& data, std::size_t chunkLength) {
  std::vector<std::size_t> sizes;
  const std::string body = Deflate(data, chunkLength, &sizes);
  std::string ra = LittleEndian16(1) + LittleEndian16(static_cast<unsigned>(chunkLength)) +
                   LittleEndian16(static_cast<unsigned>(sizes.size()));
  for (std::size_t s : sizes) ra += LittleEndian16(static_cast<unsigned>(s));
  const std::string extra = "RA" + LittleEndian16(static_cast<unsigned>(ra.size())) + ra;
  std::string g("\x1F\x8B\x08\x0C\0\0\0\0\x02\x03", 10);  // extra field and file name
  g += LittleEndian16(static_cast<unsigned>(extra.size())) + extra;
  g += std::string("data.dict", 10);
  return g + body + GzipTrailer(data);
}

}  // namespace halvena::test
