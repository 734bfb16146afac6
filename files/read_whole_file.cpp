#include "files/read_whole_file.h"

#include <cstdint>
#include <new>

#include "app/allocation.h"
#include "files/platform_file.h"

namespace netbar {

Bytes ReadWholeFile(TextView path) {
  if (path.empty()) return Bytes();
  PlatformFile file = PlatformFile::OpenForSharedRead(path);
  if (!file.IsOpen()) return Bytes();
  const int64_t length = file.Length();
  if (length <= 0 || length > INT32_MAX) return Bytes();

  Bytes bytes;
  try {
    // The one request whose failure is not fatal: a file too big for memory
    // reads as no file at all.
    AllocationFailureIsTolerated tolerate;
    bytes.storage().resize(static_cast<size_t>(length));
  } catch (const std::bad_alloc&) {
    return Bytes();
  }
  const int64_t got = file.Read(bytes.storage().data(), static_cast<size_t>(length));
  if (got < 0) return Bytes();
  bytes.storage().resize(static_cast<size_t>(got));
  return bytes;
}

}  // namespace netbar
