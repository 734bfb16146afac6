// The platform's file primitive. One class, two backends with the same
// contract: files/win32/platform_file.cpp (a HANDLE from CreateFileA) and
// files/posix/platform_file.cpp (a file descriptor). The build picks one.
//
// Every failure is a plain false or an empty result; nothing here raises.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace netbar {

class PlatformFile {
 public:
  PlatformFile() = default;
  ~PlatformFile() { Close(); }
  PlatformFile(PlatformFile&& other) noexcept : handle_(other.handle_) { other.handle_ = kNone; }
  PlatformFile& operator=(PlatformFile&& other) noexcept;
  PlatformFile(const PlatformFile&) = delete;
  PlatformFile& operator=(const PlatformFile&) = delete;

  // Opens for writing only, creating the file or cutting it to length 0.
  // Others may read and write it while it is open. A read-only file is
  // refused and left untouched.
  [[nodiscard]] static PlatformFile OpenForRewrite(TextView path);

  // Opens an existing file for reading only; others may read it but not
  // write it while it is open, and the open fails while another process
  // holds it open for writing (where the platform can tell).
  [[nodiscard]] static PlatformFile OpenForSharedRead(TextView path);

  [[nodiscard]] bool IsOpen() const { return handle_ != kNone; }

  // The length of a regular file; -1 when it cannot be measured or the file
  // is not a regular file.
  [[nodiscard]] int64_t Length() const;

  // Reads up to `size` bytes at the current position; the count read, or -1.
  [[nodiscard]] int64_t Read(char* buffer, size_t size);

  // Writes all `size` bytes at the current position; false when the system
  // refused or wrote fewer (a full disk).
  [[nodiscard]] bool WriteAll(const char* data, size_t size);

  // Moves the current position to `offset` from the start.
  bool Seek(int64_t offset);

  // Closes the file; false when the system reported a failure.
  bool Close();

 private:
  using Handle = intptr_t;
  static constexpr Handle kNone = -1;
  explicit PlatformFile(Handle handle) : handle_(handle) {}

  Handle handle_ = kNone;
};

}  // namespace netbar
