// The data file of an open dictionary read by byte ranges: plain, gzip, or dictzip (gzip
// with a table of independently compressed chunks, so that a range costs only its chunks).
// Used by one thread at a time; reading moves the caches.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace halvena::dict {

// A file that cannot be imported, with the reason; what() is "FILE: reason".
class TImportError : public std::runtime_error {
 public:
  TImportError(const std::string& file, const std::string& reason);
};

// The bytes of a file, whole; throws TImportError when it cannot be read.
std::string ReadFileBytes(const std::string& path);

// Inflates a gzip stream (several members one after the other are one stream) to its end or
// until it holds more than `limit` bytes, and answers what it holds: more than `limit` bytes
// tell that the stream is longer. Throws TImportError naming `file` when the data is not
// gzip, is corrupt or ends early.
std::string InflateGzip(const std::string& file, std::string_view compressed, std::uint64_t limit);

class TGzipInflater;

class TDictData {
 public:
  // Reads `path`: a gzip file (recognised by its first two bytes) through its dictzip chunk
  // table when it has one and by inflating from the start otherwise, any other file as it is.
  // Throws TImportError.
  explicit TDictData(const std::string& path);
  TDictData(const TDictData&) = delete;
  TDictData& operator=(const TDictData&) = delete;
  ~TDictData();

  // The `length` bytes at `offset` of the uncompressed data; the view lasts until the next
  // call. Throws TImportError when the range is not all there or the data is corrupt.
  std::string_view Read(std::uint64_t offset, std::uint64_t length);

  bool IsDictzip() const { return !FChunkOffsets.empty(); }
  bool IsCompressed() const { return FCompressed; }

 private:
  void ParseDictzipHeader();
  std::string_view ReadChunked(std::uint64_t offset, std::uint64_t length);
  std::string_view ReadInflated(std::uint64_t offset, std::uint64_t length);
  const std::string& Chunk(std::size_t index);

  std::string FPath;
  std::string FFile;  // the file's bytes
  bool FCompressed = false;
  // dictzip: where each compressed chunk starts in FFile (one more for the end), its size
  // uncompressed, and the chunks inflated so far (an index is seldom in the data's order).
  std::vector<std::size_t> FChunkOffsets;
  std::size_t FChunkLength = 0;
  std::vector<std::string> FChunks;
  std::vector<bool> FInflatedChunks;
  std::string FRange;  // a range assembled from several chunks
  // plain gzip: the data inflated so far and the stream that continues it.
  std::unique_ptr<TGzipInflater> FInflater;
};

}  // namespace halvena::dict
