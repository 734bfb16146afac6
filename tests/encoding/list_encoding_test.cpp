#include "text/list_encoding.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>

#include "text/bytes_ops.h"

namespace netbar {
namespace {

using namespace std::string_view_literals;

constexpr auto kAnsi = ListEncoding::kAnsi;
constexpr auto kUtf8 = ListEncoding::kUtf8;
constexpr auto kLe = ListEncoding::kUtf16LittleEndian;
constexpr auto kBe = ListEncoding::kUtf16BigEndian;

TEST(RecogniseListEncoding, MarksDeclarationsAndWellFormedUtf8) {
  const struct {
    const char* why;
    std::string_view bytes;
    ListEncoding encoding;
    size_t mark_length;
  } cases[] = {
      {"empty file", ""sv, kAnsi, 0},
      {"ASCII only", "[PC01]\r\nMAC=00:1a\r\n"sv, kAnsi, 0},
      {"UTF-16 LE mark", "\xFF\xFE[\0"sv, kLe, 2},
      {"UTF-16 BE mark", "\xFE\xFF\0["sv, kBe, 2},
      {"UTF-32 LE mark reads as UTF-16 LE", "\xFF\xFE\0\0[\0\0\0"sv, kLe, 2},
      {"UTF-8 mark", "\xEF\xBB\xBF[a]"sv, kUtf8, 3},
      {"UTF-8 mark before ill-formed bytes", "\xEF\xBB\xBF\xCD\xF8"sv, kUtf8, 3},
      {"declaration, double quotes", "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<a/>"sv, kUtf8,
       0},
      {"declaration, single quotes, upper case",
       "<?xml version='1.0' encoding='UTF-8' standalone='yes'?>"sv, kUtf8, 0},
      {"declaration, blanks around =", "<?xml version=\"1.0\"\r\n  encoding = \"Utf-8\" ?>"sv,
       kUtf8, 0},
      {"declared UTF-8 is believed over GBK bytes",
       "<?xml version=\"1.0\" encoding=\"utf-8\"?><Name>\xCD\xF8</Name>"sv, kUtf8, 0},
      {"declared UTF-8, ASCII only", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><a/>"sv, kUtf8, 0},
      {"declared GB2312, GBK bytes",
       "<?xml version=\"1.0\" encoding=\"gb2312\"?><Name>\xCD\xF8</Name>"sv, kAnsi, 0},
      {"declared GB2312, well-formed UTF-8 all the same",
       "<?xml version=\"1.0\" encoding=\"GB2312\"?><Name>\xE4\xB8\x80</Name>"sv, kUtf8, 0},
      {"declared UTF-16, ASCII", "<?xml version=\"1.0\" encoding=\"utf-16\"?>"sv, kAnsi, 0},
      {"declaration without an encoding", "<?xml version=\"1.0\"?>\xCD\xF8"sv, kAnsi, 0},
      {"declaration not at the very start", " <?xml version=\"1.0\" encoding=\"utf-8\"?>\xCD\xF8"sv,
       kAnsi, 0},
      {"no blank after <?xml", "<?xmlencoding=\"utf-8\"?>\xCD\xF8"sv, kAnsi, 0},
      {"declaration never closed", "<?xml version=\"1.0\" encoding=\"utf-8\"\xCD\xF8"sv, kAnsi, 0},
      {"encoding only after the declaration",
       "<?xml version=\"1.0\"?><a encoding=\"utf-8\">\xCD\xF8</a>"sv, kAnsi, 0},
      {"utf8 is no name of UTF-8", "<?xml version=\"1.0\" encoding=\"utf8\"?>\xCD\xF8"sv, kAnsi, 0},
      {"Chinese in UTF-8", "[\xE7\xBD\x91\xE5\x90\xA7]"sv, kUtf8, 0},
      {"Chinese in UTF-8 with a NUL", "[\xE4\xB8\x80]\0"sv, kUtf8, 0},
      {"Chinese in GBK", "[\xCD\xF8\xB0\xC9]"sv, kAnsi, 0},
      {"GBK with one piece of well-formed UTF-8", "[\xE4\xB8\xAD\xCD\xF8]"sv, kAnsi, 0},
      {"UTF-8 broken at the end", "[\xE4\xB8\x80]\xE4\xB8"sv, kAnsi, 0},
      {"two-byte UTF-8 only", "Name=Jos\xC3\xA9"sv, kAnsi, 0},
      {"four-byte UTF-8 only", "Name=\xF0\x9F\x98\x80"sv, kAnsi, 0},
      // The wrong guess that the rule accepts: this GBK text is the UTF-8 of 你好.
      {"GBK that is well-formed UTF-8", "[\xE4\xBD\xA0\xE5\xA5\xBD]"sv, kUtf8, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const RecognisedEncoding got = RecogniseListEncoding(c.bytes);
    EXPECT_EQ(got.encoding, c.encoding);
    EXPECT_EQ(got.mark_length, c.mark_length);
  }
}

struct ConversionCase {
  const char* why;
  std::string_view bytes;
  std::string_view ansi;
};

void ExpectConversions(std::span<const ConversionCase> cases) {
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ConvertListToAnsi(Bytes(c.bytes)).view(), c.ansi);
  }
}

// In the byte strings below, \x41 is "A" and so on wherever a letter
// follows a hex escape.
TEST(ConvertListToAnsi, UnicodeBecomesGbkWithoutItsMark) {
  const ConversionCase cases[] = {
      {"UTF-8", "[\xE4\xB8\x80]"sv, "[\xD2\xBB]"sv},
      {"UTF-8 with mark", "\xEF\xBB\xBF[\xE4\xB8\x80]"sv, "[\xD2\xBB]"sv},
      {"only the first mark goes", "\xEF\xBB\xBF\xEF\xBB\xBF\x61"sv, "?a"sv},
      {"UTF-16 LE", "\xFF\xFE[\0\x00\x4E]\0"sv, "[\xD2\xBB]"sv},
      {"UTF-16 BE", "\xFE\xFF\0[\x4E\x00\0]"sv, "[\xD2\xBB]"sv},
      {"declared UTF-8 with a two-byte character",
       "<?xml version=\"1.0\" encoding=\"utf-8\"?>\xC3\xA9"sv,
       "<?xml version=\"1.0\" encoding=\"utf-8\"?>\xA8\xA6"sv},
      {"mark alone, UTF-8", "\xEF\xBB\xBF"sv, ""sv},
      {"mark alone, UTF-16", "\xFF\xFE"sv, ""sv},
      {"NUL stays, and ends the text later", "\xFF\xFE\x41\0\0\0\x42\0"sv, "A\0B"sv},
  };
  ExpectConversions(cases);
}

TEST(ConvertListToAnsi, BrokenInputBecomesQuestionMarksAndGoesOn) {
  const ConversionCase cases[] = {
      {"UTF-8 after a mark: cut sequence, stray byte, overlong form",
       "\xEF\xBB\xBF\x61\xE4\xB8\x62\x80\x63\xC0\xAF\x64"sv, "a?b?c??d"sv},
      {"UTF-8: GBK bytes in a list declared UTF-8",
       "<?xml version=\"1.0\" encoding=\"utf-8\"?>[\xCD\xF8\xB0\xC9]"sv,
       "<?xml version=\"1.0\" encoding=\"utf-8\"?>[???\x3F]"sv},
      {"UTF-8: a surrogate", "\xEF\xBB\xBF\xED\xA0\x80\x78"sv, "???x"sv},
      {"UTF-8: a character GBK lacks", "\xEF\xBB\xBF\x61\xF0\x9F\x98\x80\x62"sv, "a?b"sv},
      {"UTF-16 LE: odd byte count", "\xFF\xFE\x41\0\x42"sv, "A?"sv},
      {"UTF-16 BE: odd byte count after a high surrogate", "\xFE\xFF\xD8\x3D\xDE"sv, "??"sv},
      {"UTF-16 LE: high surrogate alone", "\xFF\xFE\x3D\xD8\x41\0"sv, "?A"sv},
      {"UTF-16 BE: low surrogate alone", "\xFE\xFF\xDE\x00\0A"sv, "?A"sv},
      {"UTF-16 LE: high surrogate at the end", "\xFF\xFE\x41\0\x3D\xD8"sv, "A?"sv},
      {"UTF-16 LE: a character GBK lacks", "\xFF\xFE\x61\0\x3D\xD8\x00\xDE\x62\0"sv, "a?b"sv},
  };
  ExpectConversions(cases);
}

TEST(ConvertListToAnsi, GbkAndAsciiListsComeBackInTheirOwnBuffer) {
  const std::string_view lists[] = {
      "[\xCD\xF8\xB0\xC9\x30\x31]\r\nMAC=00:1a:2b:3c:4d:5e\r\n"sv,
      "[PC01]\r\nMAC=00:1a:2b:3c:4d:5e\r\n\0tail"sv,
  };
  for (const std::string_view list : lists) {
    SCOPED_TRACE(testing::PrintToString(std::string(list)));
    Bytes bytes(list);
    const char* buffer = bytes.data();
    const Bytes ansi = ConvertListToAnsi(std::move(bytes));
    EXPECT_EQ(ansi.view(), list);
    EXPECT_EQ(ansi.data(), buffer);
  }
}

TEST(ConvertListToAnsi, DeclaredUtf8AsciiIsUnchanged) {
  const std::string_view list =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<ClientConfig>\r\n<Name>PC001</Name>"sv;
  EXPECT_EQ(ConvertListToAnsi(Bytes(list)).view(), list);
}

TEST(ConvertListToAnsi, LongListsConvertAcrossPieces) {
  // Far more characters than one piece handed to the code page, with a
  // surrogate pair at every possible offset of a piece's end.
  std::string utf8 = "\xEF\xBB\xBF";
  std::string gbk;
  for (int k = 0; k < 5000; ++k) {
    const std::string filler(k % 3, 'a');
    utf8 += "\xE4\xB8\x80" + filler + "\xF0\x9F\x98\x80";
    gbk += "\xD2\xBB" + filler + "?";
  }
  EXPECT_EQ(ConvertListToAnsi(Bytes(utf8)).view(), gbk);
}

TEST(ConvertListToAnsi, TextEndsAtTheFirstNulAfterConversion) {
  const Text text = BytesToText(ConvertListToAnsi(Bytes("\xFF\xFE[\0\x00\x4E]\0"sv)));
  EXPECT_EQ(text, "[\xD2\xBB]");
  EXPECT_EQ(BytesToText(ConvertListToAnsi(Bytes("\xFF\xFE\x41\0\0\0\x42\0"sv))), "A");
}

}  // namespace
}  // namespace netbar
