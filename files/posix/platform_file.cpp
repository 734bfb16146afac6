#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "files/platform_file.h"

namespace netbar {

PlatformFile& PlatformFile::operator=(PlatformFile&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = other.handle_;
    other.handle_ = kNone;
  }
  return *this;
}

PlatformFile PlatformFile::OpenForRewrite(TextView path) {
  const std::string name(path);
  // A file without any write permission is the counterpart of the Windows
  // read-only attribute, which not even an administrator writes through.
  // Root would otherwise rewrite such a file.
  struct stat status;
  if (stat(name.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
      (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
    return PlatformFile();
  }
  const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  return fd < 0 ? PlatformFile() : PlatformFile(fd);
}

PlatformFile PlatformFile::OpenForSharedRead(TextView path) {
  const std::string name(path);
  const int fd = open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return PlatformFile();
  // O_NONBLOCK only keeps a FIFO from hanging the open; reads block again.
  const int flags = fcntl(fd, F_GETFL);
  if (flags >= 0) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  return PlatformFile(fd);
}

int64_t PlatformFile::Length() const {
  struct stat status;
  if (!IsOpen() || fstat(static_cast<int>(handle_), &status) != 0) return -1;
  if (!S_ISREG(status.st_mode)) return -1;
  return static_cast<int64_t>(status.st_size);
}

int64_t PlatformFile::Read(char* buffer, size_t size) {
  if (!IsOpen()) return -1;
  size_t total = 0;
  while (total < size) {
    const ssize_t got = read(static_cast<int>(handle_), buffer + total, size - total);
    if (got < 0) {
      if (errno == EINTR) continue;
      return total > 0 ? static_cast<int64_t>(total) : -1;
    }
    if (got == 0) break;
    total += static_cast<size_t>(got);
  }
  return static_cast<int64_t>(total);
}

bool PlatformFile::WriteAll(const char* data, size_t size) {
  if (!IsOpen()) return false;
  while (size > 0) {
    const ssize_t put = write(static_cast<int>(handle_), data, size);
    if (put < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (put == 0) return false;
    data += put;
    size -= static_cast<size_t>(put);
  }
  return true;
}

bool PlatformFile::Seek(int64_t offset) {
  return IsOpen() && lseek(static_cast<int>(handle_), static_cast<off_t>(offset), SEEK_SET) >= 0;
}

bool PlatformFile::Close() {
  if (!IsOpen()) return true;
  const int fd = static_cast<int>(handle_);
  handle_ = kNone;
  return close(fd) == 0;
}

}  // namespace netbar
