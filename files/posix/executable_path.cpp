#include <unistd.h>

#include <cerrno>

#include <string>

#include "files/run_directory.h"

namespace netbar {

const char kPathSeparator = '/';

Text GetExecutablePath() {
  std::string buffer(256, '\0');
  for (;;) {
    const ssize_t got = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (got < 0) return Text();
    if (static_cast<size_t>(got) < buffer.size()) {
      buffer.resize(static_cast<size_t>(got));
      return buffer;
    }
    buffer.resize(buffer.size() * 2);
  }
}

Text GetWorkingDirectory() {
  std::string buffer(256, '\0');
  for (;;) {
    if (getcwd(buffer.data(), buffer.size()) != nullptr) {
      buffer.resize(std::char_traits<char>::length(buffer.c_str()));
      return buffer;
    }
    if (errno != ERANGE) return Text();
    buffer.resize(buffer.size() * 2);
  }
}

bool SetWorkingDirectory(TextView directory) {
  const std::string name(directory);
  return !name.empty() && chdir(name.c_str()) == 0;
}

}  // namespace netbar
