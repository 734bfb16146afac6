// Files for the window tests: a fresh directory under the Windows temporary
// directory, removed with its files at the end, and whole-file reads and
// writes in bytes.
#pragma once

#include <string>

namespace netbar::ui::testing {

class ScratchDirectory {
 public:
  // `name_part` goes into the directory's name (it may hold GBK bytes).
  explicit ScratchDirectory(const std::string& name_part = "netbar-ui");
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  [[nodiscard]] const std::string& path() const { return path_; }
  [[nodiscard]] std::string File(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

void WriteBytes(const std::string& path, const std::string& bytes);
[[nodiscard]] std::string ReadBytes(const std::string& path);
[[nodiscard]] bool Exists(const std::string& path);
// A file of tests/fixtures, byte for byte.
[[nodiscard]] std::string FixturePath(const std::string& name);
[[nodiscard]] std::string Fixture(const std::string& name);

}  // namespace netbar::ui::testing
