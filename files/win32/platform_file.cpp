#include <windows.h>

#include <string>

#include "files/platform_file.h"

namespace netbar {
namespace {

HANDLE AsHandle(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

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
  // Windows refuses to rewrite a read-only file; Wine run as root does not,
  // so the attribute is honoured here on every system alike.
  const DWORD attributes = GetFileAttributesA(name.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    return PlatformFile();
  }
  HANDLE handle = CreateFileA(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return PlatformFile();
  return PlatformFile(reinterpret_cast<intptr_t>(handle));
}

PlatformFile PlatformFile::OpenForSharedRead(TextView path) {
  const std::string name(path);
  HANDLE handle = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return PlatformFile();
  return PlatformFile(reinterpret_cast<intptr_t>(handle));
}

int64_t PlatformFile::Length() const {
  if (!IsOpen()) return -1;
  if (GetFileType(AsHandle(handle_)) != FILE_TYPE_DISK) return -1;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(AsHandle(handle_), &size)) return -1;
  return size.QuadPart;
}

int64_t PlatformFile::Read(char* buffer, size_t size) {
  if (!IsOpen()) return -1;
  size_t total = 0;
  while (total < size) {
    const DWORD ask = static_cast<DWORD>(size - total > 0x40000000 ? 0x40000000 : size - total);
    DWORD got = 0;
    if (!ReadFile(AsHandle(handle_), buffer + total, ask, &got, nullptr)) {
      return total > 0 ? static_cast<int64_t>(total) : -1;
    }
    if (got == 0) break;
    total += got;
  }
  return static_cast<int64_t>(total);
}

bool PlatformFile::WriteAll(const char* data, size_t size) {
  if (!IsOpen()) return false;
  while (size > 0) {
    const DWORD ask = static_cast<DWORD>(size > 0x40000000 ? 0x40000000 : size);
    DWORD put = 0;
    if (!WriteFile(AsHandle(handle_), data, ask, &put, nullptr) || put == 0) return false;
    data += put;
    size -= put;
  }
  return true;
}

bool PlatformFile::Seek(int64_t offset) {
  if (!IsOpen()) return false;
  LARGE_INTEGER to;
  to.QuadPart = offset;
  return SetFilePointerEx(AsHandle(handle_), to, nullptr, FILE_BEGIN) != 0;
}

bool PlatformFile::Close() {
  if (!IsOpen()) return true;
  HANDLE handle = AsHandle(handle_);
  handle_ = kNone;
  return CloseHandle(handle) != 0;
}

}  // namespace netbar
