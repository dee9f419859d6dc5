#include "base/FileRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>

#include "base/FaultInjection.h"

namespace halvena {

const char* FileReadStatusText(TFileReadStatus status) {
  switch (status) {
    case TFileReadStatus::Ok:
      return "read";
    case TFileReadStatus::CannotOpen:
      return "cannot open the file";
    case TFileReadStatus::NotRegular:
      return "not a regular file";
    case TFileReadStatus::TooLarge:
      return "the file is too large";
    case TFileReadStatus::ReadError:
      return "cannot read the file";
  }
  return "cannot read the file";
}

TRegularFile::~TRegularFile() {
  if (FFd >= 0) ::close(FFd);
}

TFileReadStatus TRegularFile::Open(const std::string& path) {
  if (FFd >= 0) ::close(FFd);
  FFd = -1;
  FSize = 0;
  FPos = 0;
  // O_NONBLOCK: a FIFO without a writer would otherwise hold the open for ever; it is refused
  // below like every other kind of file that is not regular.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return TFileReadStatus::CannotOpen;
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    ::close(fd);
    return TFileReadStatus::CannotOpen;
  }
  if (!S_ISREG(info.st_mode) || info.st_size < 0) {
    ::close(fd);
    return TFileReadStatus::NotRegular;
  }
  FFd = fd;
  FSize = static_cast<std::uint64_t>(info.st_size);
  return TFileReadStatus::Ok;
}

std::int64_t TRegularFile::Read(char* buffer, std::size_t size) {
  if (FFd < 0) return -1;
  const std::uint64_t left = FSize - FPos;
  if (size > left) size = static_cast<std::size_t>(left);
  const faults::TReadOutcome fault = faults::NextRead(size);
  if (fault.Fault == faults::TReadFault::Fail) return -1;
  if (fault.Fault == faults::TReadFault::Short) {
    size = fault.Bytes;
    FSize = FPos + size;
  }
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::read(FFd, buffer + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  FPos += done;
  return static_cast<std::int64_t>(done);
}

TFileReadStatus ReadRegularFile(const std::string& path, std::size_t cap, std::string& bytes) {
  bytes.clear();
  TRegularFile file;
  const TFileReadStatus status = file.Open(path);
  if (status != TFileReadStatus::Ok) return status;
  if (file.Size() > cap) return TFileReadStatus::TooLarge;
  try {
    bytes.resize(static_cast<std::size_t>(file.Size()));
  } catch (const std::bad_alloc&) {
    return TFileReadStatus::TooLarge;
  }
  const std::int64_t got = file.Read(bytes.data(), bytes.size());
  if (got < 0) {
    bytes.clear();
    return TFileReadStatus::ReadError;
  }
  // A file that shrank while it was read gives what it still held.
  bytes.resize(static_cast<std::size_t>(got));
  return TFileReadStatus::Ok;
}

}  // namespace halvena
