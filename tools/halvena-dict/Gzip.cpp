#include "halvena-dict/Gzip.h"

#include <zlib.h>

#include <algorithm>
#include <fstream>
#include <limits>
#include <sstream>

namespace halvena::dict {

TImportError::TImportError(const std::string& file, const std::string& reason)
    : std::runtime_error(file + ": " + reason) {}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw TImportError(path, "cannot read the file");
  std::ostringstream data;
  data << in.rdbuf();
  if (in.bad()) throw TImportError(path, "cannot read the file");
  return std::move(data).str();
}

// Inflates a gzip stream from its start as far as it is asked to; members that follow one
// another are one stream, and bytes after the last member that are no gzip member end it.
class TGzipInflater {
 public:
  TGzipInflater(std::string file, std::string_view compressed)
      : FFile(std::move(file)), FIn(compressed) {
    // 15 + 16: gzip wrapping only, the largest window.
    if (inflateInit2(&FStream, 15 + 16) != Z_OK) throw TImportError(FFile, "out of memory");
    FStream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(FIn.data()));
    FStream.avail_in = static_cast<uInt>(std::min<std::size_t>(FIn.size(), kStep));
  }
  ~TGzipInflater() { inflateEnd(&FStream); }
  TGzipInflater(const TGzipInflater&) = delete;
  TGzipInflater& operator=(const TGzipInflater&) = delete;

  // Inflates until `size` bytes are out or the stream has ended.
  void InflateTo(std::uint64_t size) {
    char buffer[kStep];
    while (!FEnded && FOut.size() < size) {
      if (FStream.avail_in == 0) Refill();
      if (FEnded) break;
      FStream.next_out = reinterpret_cast<Bytef*>(buffer);
      FStream.avail_out = sizeof buffer;
      const int ret = inflate(&FStream, Z_NO_FLUSH);
      FOut.append(buffer, sizeof buffer - FStream.avail_out);
      if (ret == Z_STREAM_END) {
        NextMember();
      } else if (ret == Z_BUF_ERROR) {
        // Input and room were both there, so nothing more can come.
        throw TImportError(FFile, "the gzip data ends early");
      } else if (ret == Z_MEM_ERROR) {
        throw TImportError(FFile, "out of memory");
      } else if (ret != Z_OK) {
        throw TImportError(FFile, "corrupt gzip data near byte " + std::to_string(Consumed()));
      }
    }
  }
  const std::string& Out() const { return FOut; }

 private:
  static constexpr std::size_t kStep = 64 * 1024;

  std::size_t Consumed() const {
    return static_cast<std::size_t>(reinterpret_cast<const char*>(FStream.next_in) - FIn.data());
  }
  void Refill() {
    const std::size_t left = FIn.size() - Consumed();
    if (left == 0) throw TImportError(FFile, "the gzip data ends early");
    FStream.avail_in = static_cast<uInt>(std::min(left, kStep));
  }
  void NextMember() {
    const std::size_t at = Consumed();
    const std::size_t rest = FIn.size() - at;
    if (rest < 2 || static_cast<unsigned char>(FIn[at]) != 0x1F ||
        static_cast<unsigned char>(FIn[at + 1]) != 0x8B) {
      FEnded = true;
      return;
    }
    inflateReset(&FStream);
  }

  std::string FFile;
  std::string_view FIn;
  z_stream FStream{};
  std::string FOut;
  bool FEnded = false;
};

std::string InflateGzip(const std::string& file, std::string_view compressed, std::uint64_t limit) {
  const std::uint64_t most = limit == std::numeric_limits<std::uint64_t>::max() ? limit : limit + 1;
  TGzipInflater inflater(file, compressed);
  inflater.InflateTo(most);
  std::string out = inflater.Out();
  if (out.size() > most) out.resize(most);
  return out;
}

namespace {

std::uint16_t Le16(std::string_view s, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(s[at]) |
                                    (static_cast<unsigned char>(s[at + 1]) << 8));
}

bool IsGzip(std::string_view s) {
  return s.size() >= 2 && static_cast<unsigned char>(s[0]) == 0x1F &&
         static_cast<unsigned char>(s[1]) == 0x8B;
}

}  // namespace

TDictData::TDictData(const std::string& path) : FPath(path), FFile(ReadFileBytes(path)) {
  FCompressed = IsGzip(FFile);
  if (!FCompressed) return;
  ParseDictzipHeader();
  if (FChunkOffsets.empty()) FInflater = std::make_unique<TGzipInflater>(FPath, FFile);
}

TDictData::~TDictData() = default;

// The gzip header (RFC 1952) and, in its extra field, dictzip's "RA" subfield: version 1,
// the uncompressed chunk length, the chunk count and each chunk's compressed size.
void TDictData::ParseDictzipHeader() {
  const std::string_view f = FFile;
  auto need = [&](std::size_t end) {
    if (end > f.size()) throw TImportError(FPath, "the gzip header is cut short");
  };
  need(10);
  if (f[2] != 8) throw TImportError(FPath, "not deflate-compressed gzip data");
  const auto flags = static_cast<unsigned char>(f[3]);
  std::size_t pos = 10;
  std::string_view ra;
  if (flags & 0x04) {
    need(pos + 2);
    const std::size_t xlen = Le16(f, pos);
    pos += 2;
    need(pos + xlen);
    std::string_view extra = f.substr(pos, xlen);
    pos += xlen;
    while (extra.size() >= 4) {
      const std::size_t len = Le16(extra, 2);
      if (len > extra.size() - 4) throw TImportError(FPath, "a gzip extra field is cut short");
      if (extra[0] == 'R' && extra[1] == 'A') ra = extra.substr(4, len);
      extra.remove_prefix(4 + len);
    }
  }
  for (const unsigned char flag : {0x08, 0x10}) {  // file name, comment
    if (!(flags & flag)) continue;
    const std::size_t nul = f.find('\0', pos);
    if (nul == std::string_view::npos) throw TImportError(FPath, "the gzip header is cut short");
    pos = nul + 1;
  }
  if (flags & 0x02) pos += 2;  // header checksum
  need(pos);
  if (ra.empty()) return;

  if (ra.size() < 6 || Le16(ra, 0) != 1) {
    throw TImportError(FPath, "unknown dictzip chunk table (version or size)");
  }
  FChunkLength = Le16(ra, 2);
  const std::size_t count = Le16(ra, 4);
  if (ra.size() < 6 + 2 * count) throw TImportError(FPath, "the dictzip chunk table is cut short");
  if (FChunkLength == 0 && count > 0) throw TImportError(FPath, "dictzip chunks of length 0");
  std::size_t at = pos;
  FChunkOffsets.reserve(count + 1);
  for (std::size_t i = 0; i < count; ++i) {
    FChunkOffsets.push_back(at);
    at += Le16(ra, 6 + 2 * i);
  }
  FChunkOffsets.push_back(at);
  FChunks.resize(count);
  FInflatedChunks.resize(count);
  if (at > f.size()) {
    throw TImportError(FPath, "the dictzip chunks run past the end of the file");
  }
}

const std::string& TDictData::Chunk(std::size_t index) {
  std::string& out = FChunks[index];
  if (FInflatedChunks[index]) return out;
  out.assign(FChunkLength, '\0');
  z_stream stream{};
  if (inflateInit2(&stream, -15) != Z_OK) throw TImportError(FPath, "out of memory");
  const std::size_t begin = FChunkOffsets[index];
  stream.next_in = reinterpret_cast<Bytef*>(FFile.data() + begin);
  stream.avail_in = static_cast<uInt>(FChunkOffsets[index + 1] - begin);
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  const int ret = inflate(&stream, Z_SYNC_FLUSH);
  const std::size_t produced = out.size() - stream.avail_out;
  inflateEnd(&stream);
  const bool last = index + 2 == FChunkOffsets.size();
  if ((ret != Z_OK && ret != Z_STREAM_END && ret != Z_BUF_ERROR) ||
      (!last && produced != FChunkLength)) {
    throw TImportError(FPath, "corrupt dictzip chunk " + std::to_string(index + 1));
  }
  out.resize(produced);
  out.shrink_to_fit();
  FInflatedChunks[index] = true;
  return out;
}

std::string_view TDictData::Read(std::uint64_t offset, std::uint64_t length) {
  if (length > std::numeric_limits<std::uint64_t>::max() - offset) {
    throw TImportError(FPath, "an entry's offset and length run past any data");
  }
  if (!FChunkOffsets.empty()) return ReadChunked(offset, length);
  if (FInflater) return ReadInflated(offset, length);
  if (offset + length > FFile.size()) {
    throw TImportError(FPath, "an entry at offset " + std::to_string(offset) + " of " +
                                  std::to_string(length) +
                                  " bytes runs past the end of the data (" +
                                  std::to_string(FFile.size()) + " bytes)");
  }
  return std::string_view(FFile).substr(offset, length);
}

std::string_view TDictData::ReadInflated(std::uint64_t offset, std::uint64_t length) {
  FInflater->InflateTo(offset + length);
  const std::string& data = FInflater->Out();
  if (offset + length > data.size()) {
    throw TImportError(FPath, "an entry at offset " + std::to_string(offset) + " of " +
                                  std::to_string(length) +
                                  " bytes runs past the end of the data (" +
                                  std::to_string(data.size()) + " bytes uncompressed)");
  }
  return std::string_view(data).substr(offset, length);
}

std::string_view TDictData::ReadChunked(std::uint64_t offset, std::uint64_t length) {
  const std::size_t chunks = FChunkOffsets.size() - 1;
  auto pastTheEnd = [&] {
    return TImportError(FPath, "an entry at offset " + std::to_string(offset) + " of " +
                                   std::to_string(length) + " bytes runs past the end of the data");
  };
  if (length == 0) return {};
  const std::uint64_t first = offset / FChunkLength;
  const std::uint64_t last = (offset + length - 1) / FChunkLength;
  if (last >= chunks) throw pastTheEnd();
  const std::size_t from = offset % FChunkLength;
  if (first == last) {
    const std::string& chunk = Chunk(first);
    if (from + length > chunk.size()) throw pastTheEnd();
    return std::string_view(chunk).substr(from, length);
  }
  FRange.clear();
  for (std::uint64_t i = first; i <= last; ++i) {
    const std::string& chunk = Chunk(i);
    const std::size_t begin = i == first ? from : 0;
    const std::size_t want = std::min<std::uint64_t>(chunk.size() - std::min(begin, chunk.size()),
                                                     length - FRange.size());
    if (begin > chunk.size() || (i < last && chunk.size() != FChunkLength)) throw pastTheEnd();
    FRange.append(chunk, begin, want);
  }
  if (FRange.size() != length) throw pastTheEnd();
  return FRange;
}

}  // namespace halvena::dict
