// The same table runs in both builds: the Linux build against its own code
// page 936, the Windows build under Wine in the GBK locale (active code page
// 936), so the two backends are held to the same bytes.
#include "text/ansi_code_page.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace netbar {
namespace {

using namespace std::string_view_literals;

std::string InAnsi(std::u16string_view text) {
  std::string out;
  AppendInAnsiCodePage(text, out);
  return out;
}

TEST(AppendInAnsiCodePage, CodePage936AsWindowsHasIt) {
  const struct {
    std::u16string_view text;
    std::string_view ansi;
  } cases[] = {
      {u"", ""sv},
      {u"PC-01 [a]_<b>\r\n", "PC-01 [a]_<b>\r\n"sv},
      {u"\0A"sv, "\0A"sv},
      {u"网吧", "\xCD\xF8\xB0\xC9"sv},
      {u"廬臺", "\x8F\x5D\xC5\x5F"sv},  // trail bytes with the codes of "]" and "_"
      {u"\u00B7\u2014\uFF5E", "\xA1\xA4\xA1\xAA\xA1\xAB"sv},
      {u"\u20AC", "\x80"sv},
      {u"\uE000\uE233", "\xAA\xA1\xAF\xFE"sv},  // user-defined areas
      {u"\uE234\uE4C5", "\xF8\xA1\xFE\xFE"sv},
      {u"\uE4C6\uE765", "\xA1\x40\xA7\xA0"sv},
      {u"\uE766\uE864", "\xA2\xAB\xFE\xA0"sv},  // codes GBK leaves unassigned
      {u"\uF8F5", "\xFF"sv},
      // characters the code page lacks: no look-alike, one "?" each
      {u"\u00C0x\u30FB\uFFFD", "?x??"sv},
      {u"a\U0001F600b", "a?b"sv},
      {u"\U0001F600\U0001F601", "??"sv},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.ansi)));
    EXPECT_EQ(InAnsi(c.text), c.ansi);
  }
}

TEST(AppendInAnsiCodePage, AppendsToWhatIsThere) {
  std::string out = "[";
  AppendInAnsiCodePage(u"一", out);
  AppendInAnsiCodePage(u"]", out);
  EXPECT_EQ(out, "[\xD2\xBB]");
}

// FNV-1a over the conversion of every character of the basic plane, one at a
// time and in order, surrogates left out. The figures are those of code page
// 936 under Wine's WideCharToMultiByte: 24070 characters convert, the rest
// give "?". A drift of glibc's GBK table, or of the Windows side, shows here.
constexpr size_t kWholePlaneBytes = 87428;
constexpr uint32_t kWholePlaneHash = 0x57B0BE96;

TEST(AppendInAnsiCodePage, WholeBasicPlaneMatchesWindowsCodePage936) {
  std::string all;
  int32_t converted = 0;
  for (char32_t c = 0; c < 0x10000; ++c) {
    if (c >= 0xD800 && c < 0xE000) continue;
    const char16_t unit = static_cast<char16_t>(c);
    const std::string one = InAnsi(std::u16string_view(&unit, 1));
    if (one != "?" || c == u'?') ++converted;
    all += one;
  }
  uint32_t hash = 2166136261u;
  for (const char byte : all) hash = (hash ^ static_cast<uint8_t>(byte)) * 16777619u;
  EXPECT_EQ(converted, 24070);
  EXPECT_EQ(all.size(), kWholePlaneBytes);
  EXPECT_EQ(hash, kWholePlaneHash);
}

}  // namespace
}  // namespace netbar
