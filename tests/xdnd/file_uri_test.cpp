#include "file_uri.h"

#include <gtest/gtest.h>

namespace netbar::xdnd {
namespace {

TEST(AbsolutePath, JoinsAndTidiesLexically) {
  struct Case {
    const char* what;
    const char* path;
    const char* want;
  } cases[] = {
      {"relative", "a.txt", "/work/dir/a.txt"},
      {"absolute stays", "/tmp/a.txt", "/tmp/a.txt"},
      {"dot components", "./x/./a.txt", "/work/dir/x/a.txt"},
      {"dot-dot removes the component before", "x/../a.txt", "/work/dir/a.txt"},
      {"dot-dot above the root stays at the root", "../../../../a.txt", "/a.txt"},
      {"repeated and trailing slashes", "//tmp//x///", "/tmp/x"},
      {"only the root", "/", "/"},
      {"dot-dot to the root", "../..", "/"},
      {"dots inside names are names", "..a/b../...", "/work/dir/..a/b../..."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(AbsolutePath(c.path, "/work/dir"), c.want);
  }
}

TEST(FileUri, PercentEncodesEveryByteButUnreservedAndSlash) {
  struct Case {
    const char* what;
    std::string path;
    const char* want;
  } cases[] = {
      {"plain", "/tmp/list-1_a.b~c.txt", "file:///tmp/list-1_a.b~c.txt"},
      {"space, percent, hash, question mark", "/a b%#?.txt", "file:///a%20b%25%23%3F.txt"},
      {"reserved and sub-delimiters",
       "/a:@!$&'()*+,;=", "file:///a%3A%40%21%24%26%27%28%29%2A%2B%2C%3B%3D"},
      {"CR, LF and tab", "/a\r\n\tb", "file:///a%0D%0A%09b"},
      {"UTF-8 bytes", "/\xE5\xAE\xA2\xE6\x88\xB7", "file:///%E5%AE%A2%E6%88%B7"},
      {"GBK bytes, a trail byte equal to a backslash", "/\xBF\xCD\x81\x5C", "file:///%BF%CD%81%5C"},
      {"NUL and DEL", std::string("/a\0b\x7F", 5), "file:///a%00b%7F"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(FileUri(c.path), c.want);
  }
}

TEST(UriList, EndsEachUriWithCrLf) {
  EXPECT_EQ(UriList({"/a"}), "file:///a\r\n");
  EXPECT_EQ(UriList({"/a b", "/c"}), "file:///a%20b\r\nfile:///c\r\n");
  EXPECT_EQ(UriList({}), "");
}

}  // namespace
}  // namespace netbar::xdnd
