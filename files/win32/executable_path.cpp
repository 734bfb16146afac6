#include <windows.h>

#include <string>

#include "files/run_directory.h"

namespace netbar {

const char kPathSeparator = '\\';

Text GetExecutablePath() {
  // GetModuleFileNameA cuts a long path to the buffer and says so only by
  // filling it, so the buffer grows until the path fits with room to spare.
  std::string buffer(MAX_PATH, '\0');
  for (;;) {
    const DWORD got = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (got == 0) return Text();
    if (got < buffer.size() - 1) {
      buffer.resize(got);
      return buffer;
    }
    if (buffer.size() >= 0x100000) return Text();
    buffer.resize(buffer.size() * 2);
  }
}

Text GetWorkingDirectory() {
  const DWORD needed = GetCurrentDirectoryA(0, nullptr);
  if (needed == 0) return Text();
  std::string buffer(needed, '\0');
  const DWORD got = GetCurrentDirectoryA(needed, buffer.data());
  if (got == 0 || got >= needed) return Text();
  buffer.resize(got);
  return buffer;
}

bool SetWorkingDirectory(TextView directory) {
  const std::string name(directory);
  return !name.empty() && SetCurrentDirectoryA(name.c_str()) != 0;
}

}  // namespace netbar
