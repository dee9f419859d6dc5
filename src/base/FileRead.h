// Reading data files that may be hostile: the file is opened without ever waiting (a pipe
// without a writer or a device does not hold the open), only a regular file is read, and never
// more than the caller's cap. Plain functions and a handle; safe on several threads, each with
// its own handle.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace halvena {

enum class TFileReadStatus {
  Ok,
  CannotOpen,  // missing, no permission, or the open failed otherwise
  NotRegular,  // a directory, a pipe, a socket or a device
  TooLarge,    // larger than the cap
  ReadError,   // the system reported an error while reading
};

// A short English text for a status, for the tools' messages.
const char* FileReadStatusText(TFileReadStatus status);

// An open regular file, read from its start. Closes the file when destroyed.
class TRegularFile {
 public:
  TRegularFile() = default;
  ~TRegularFile();
  TRegularFile(const TRegularFile&) = delete;
  TRegularFile& operator=(const TRegularFile&) = delete;

  // Opens `path` read-only without blocking and keeps it only when it is a regular file.
  TFileReadStatus Open(const std::string& path);
  bool IsOpen() const { return FFd >= 0; }
  // The file's size when it was opened.
  std::uint64_t Size() const { return FSize; }
  // Reads up to `size` bytes into `buffer`, going on after interrupted and partial reads until
  // `size` bytes or the end of the file; never more than the size measured at the open, so a
  // file that grows meanwhile is taken as it was. The number of bytes read, or -1 on an error.
  std::int64_t Read(char* buffer, std::size_t size);

 private:
  int FFd = -1;
  std::uint64_t FSize = 0;
  std::uint64_t FPos = 0;
};

// The whole of the regular file at `path` into `bytes` when it holds at most `cap` bytes;
// `bytes` is emptied on any failure.
TFileReadStatus ReadRegularFile(const std::string& path, std::size_t cap, std::string& bytes);

}  // namespace halvena
