// A fresh directory for one test, removed with everything in it afterwards,
// and small helpers to put files into it and read them back.
#pragma once

#include <string>

#include "text/text.h"

namespace netbar::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  [[nodiscard]] const std::string& path() const { return path_; }
  // `name` inside the directory, joined with the platform's separator.
  [[nodiscard]] std::string File(TextView name) const;

 private:
  std::string path_;
};

void WriteFileBytes(const std::string& path, TextView bytes);
[[nodiscard]] std::string ReadFileBytes(const std::string& path);
[[nodiscard]] bool FileExists(const std::string& path);
void MakeReadOnly(const std::string& path);
void MakeWritable(const std::string& path);
// A fixture of tests/fixtures, byte for byte.
[[nodiscard]] std::string Fixture(TextView name);

}  // namespace netbar::testing
