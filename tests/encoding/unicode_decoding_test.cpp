#include "text/unicode_decoding.h"

#include <gtest/gtest.h>

#include <string_view>

namespace netbar {
namespace {

using namespace std::string_view_literals;

struct DecodeCase {
  std::string_view bytes;
  bool well_formed;
  char32_t code_point;
  size_t length;
};

void ExpectDecoded(const DecodedCharacter& got, const DecodeCase& c) {
  EXPECT_EQ(got.well_formed, c.well_formed);
  EXPECT_EQ(got.length, c.length);
  if (c.well_formed) {
    EXPECT_EQ(got.code_point, c.code_point);
  }
}

TEST(DecodeUtf8At, WellFormedSequencesOfEveryLength) {
  const DecodeCase cases[] = {
      {"A"sv, true, U'A', 1},
      {"\0"sv, true, 0, 1},
      {"\xC3\xA9"sv, true, U'é', 2},
      {"\xE4\xB8\xAD"sv, true, U'中', 3},
      {"\xEF\xBB\xBF"sv, true, 0xFEFF, 3},
      {"\xF0\x9F\x98\x80"sv, true, 0x1F600, 4},
      {"\xF4\x8F\xBF\xBF"sv, true, 0x10FFFF, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    ExpectDecoded(DecodeUtf8At(c.bytes, 0), c);
  }
}

TEST(DecodeUtf8At, IllFormedTakesItsMaximalSubpart) {
  const DecodeCase cases[] = {
      {"\x80"sv, false, 0, 1},      // a continuation byte alone
      {"\xC0\xAF"sv, false, 0, 1},  // C0 and C1 only ever spell overlong forms
      {"\xF5\x80"sv, false, 0, 1},  // beyond U+10FFFF
      {"\xFF"sv, false, 0, 1},
      {"\xE4\xB8\x41"sv, false, 0, 2},  // cut short by the next character
      {"\xE4\xB8"sv, false, 0, 2},      // cut short by the end
      {"\xE0\x80\x80"sv, false, 0, 1},  // overlong three-byte form
      {"\xED\xA0\x80"sv, false, 0, 1},  // a surrogate
      {"\xF0\x9F\x98"sv, false, 0, 3},
      {"\xF4\x90\x80\x80"sv, false, 0, 1},  // U+110000
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    ExpectDecoded(DecodeUtf8At(c.bytes, 0), c);
  }
}

TEST(DecodeUtf8At, ReadsFromTheGivenOffset) {
  const DecodedCharacter c = DecodeUtf8At("ab\xE4\xB8\xAD"sv, 2);
  EXPECT_TRUE(c.well_formed);
  EXPECT_EQ(c.code_point, U'中');
  EXPECT_EQ(c.length, 3u);
}

TEST(DecodeUtf16At, BothByteOrdersPairsAndBrokenUnits) {
  constexpr auto kLe = Utf16ByteOrder::kLittleEndian;
  constexpr auto kBe = Utf16ByteOrder::kBigEndian;
  const struct {
    Utf16ByteOrder order;
    DecodeCase expected;
  } cases[] = {
      {kLe, {"A\0"sv, true, U'A', 2}},
      {kBe, {"\0A"sv, true, U'A', 2}},
      {kLe, {"\x2D\x4E"sv, true, U'中', 2}},
      {kBe, {"\x4E\x2D"sv, true, U'中', 2}},
      {kLe, {"\x3D\xD8\x00\xDE"sv, true, 0x1F600, 4}},
      {kBe, {"\xD8\x3D\xDE\x00"sv, true, 0x1F600, 4}},
      {kLe, {"\x3D\xD8\x41\0"sv, false, 0, 2}},  // high surrogate, no low one
      {kLe, {"\x3D\xD8"sv, false, 0, 2}},        // high surrogate at the end
      {kLe, {"\x3D\xD8\x00"sv, false, 0, 2}},    // ... before half a unit
      {kLe, {"\x00\xDE"sv, false, 0, 2}},        // low surrogate alone
      {kBe, {"\xDE\x00"sv, false, 0, 2}},
      {kLe, {"A"sv, false, 0, 1}},  // odd last byte
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.expected.bytes));
    ExpectDecoded(DecodeUtf16At(c.expected.bytes, 0, c.order), c.expected);
  }
}

}  // namespace
}  // namespace netbar
