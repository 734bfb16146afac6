#include "file_uri.h"

namespace netbar::xdnd {
namespace {

[[nodiscard]] bool IsUnreserved(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
         (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' || byte == '~';
}

}  // namespace

std::string AbsolutePath(std::string_view path, std::string_view working_directory) {
  std::string joined;
  if (path.empty() || path.front() != '/') {
    joined.assign(working_directory);
    joined += '/';
  }
  joined += path;

  std::vector<std::string_view> components;
  const std::string_view all = joined;
  size_t start = 0;
  while (start <= all.size()) {
    size_t end = all.find('/', start);
    if (end == std::string_view::npos) end = all.size();
    const std::string_view component = all.substr(start, end - start);
    if (component == "..") {
      if (!components.empty()) components.pop_back();
    } else if (!component.empty() && component != ".") {
      components.push_back(component);
    }
    start = end + 1;
  }

  std::string absolute;
  for (const std::string_view component : components) {
    absolute += '/';
    absolute += component;
  }
  return absolute.empty() ? "/" : absolute;
}

std::string FileUri(std::string_view absolute_path) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  std::string uri = "file://";
  for (const char c : absolute_path) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsUnreserved(byte) || byte == '/') {
      uri += c;
    } else {
      uri += '%';
      uri += kHexDigits[byte >> 4];
      uri += kHexDigits[byte & 0x0F];
    }
  }
  return uri;
}

std::string UriList(const std::vector<std::string>& absolute_paths) {
  std::string list;
  for (const std::string& path : absolute_paths) {
    list += FileUri(path);
    list += "\r\n";
  }
  return list;
}

}  // namespace netbar::xdnd
