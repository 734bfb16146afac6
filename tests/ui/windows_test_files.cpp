#include "tests/ui/windows_test_files.h"

#include <windows.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace netbar::ui::testing {
namespace {

void RemoveTree(const std::string& directory) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string full = directory + "\\" + name;
      SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full);
      } else {
        DeleteFileA(full.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(directory.c_str());
}

}  // namespace

ScratchDirectory::ScratchDirectory(const std::string& name_part) {
  char temp[MAX_PATH + 1];
  const DWORD n = GetTempPathA(sizeof temp, temp);
  std::string base(temp, n);
  if (!base.empty() && base.back() == '\\') base.pop_back();
  for (unsigned attempt = 0;; ++attempt) {
    path_ = base + "\\" + name_part + "-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(GetTickCount()) + "-" + std::to_string(attempt);
    if (CreateDirectoryA(path_.c_str(), nullptr)) return;
    if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot make " + path_);
  }
}

ScratchDirectory::~ScratchDirectory() { RemoveTree(path_); }

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string FixturePath(const std::string& name) {
  return std::string(NETBAR_FIXTURES) + "\\" + name;
}

std::string Fixture(const std::string& name) { return ReadBytes(FixturePath(name)); }

}  // namespace netbar::ui::testing
