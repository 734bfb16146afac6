// Files as a file manager hands them to a drop target over XDND: absolute
// paths in "file:///..." URIs, one per line of a text/uri-list.
//
// Paths are byte strings: no character set is assumed, every byte outside
// the URI's unreserved characters and "/" is percent-encoded, so spaces,
// "%", "#", control bytes and non-ASCII bytes (UTF-8 or GBK names alike)
// reach the target's decoder unchanged.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace netbar::xdnd {

// `path` made absolute against `working_directory` (itself absolute) and
// tidied lexically: "." components and repeated or trailing slashes go, a
// ".." removes the component before it (and stays at the root above it).
// Symbolic links are not resolved, so the path names what the caller named.
//   AbsolutePath("a/../b.txt", "/w")     -> "/w/b.txt"
//   AbsolutePath("/x/./y//z/", "/w")     -> "/x/y/z"
//   AbsolutePath("../../..", "/w")       -> "/"
[[nodiscard]] std::string AbsolutePath(std::string_view path, std::string_view working_directory);

// The file URI of an absolute path, with an empty host.
//   FileUri("/tmp/a b%.txt")  -> "file:///tmp/a%20b%25.txt"
[[nodiscard]] std::string FileUri(std::string_view absolute_path);

// The text/uri-list of the paths: each URI followed by CR LF.
[[nodiscard]] std::string UriList(const std::vector<std::string>& absolute_paths);

}  // namespace netbar::xdnd
