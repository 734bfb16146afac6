#include "text/split_characters.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/members.h"

namespace netbar {
namespace {

using testing::Members;

TEST(SplitCharacters, ItsOwnCharacterRule) {
  using V = std::vector<Text>;
  struct Case {
    const char* what;
    TextView text;
    V want;
  } cases[] = {
      {"digits", "001A", V{"0", "0", "1", "A"}},
      {"GBK character",
       "A\xD6\xD0"
       "b",
       V{"A", "\xD6\xD0", "b"}},
      {"CR LF is one, lone CR and LF are not", "a\r\nb\rc\n", V{"a", "\r\n", "b", "\r", "c", "\n"}},
      {"last byte alone even when a lead byte", "ab\xB0", V{"a", "b", "\xB0"}},
      {"a lead byte takes a CR", "\xB0\r\n", V{"\xB0\r", "\n"}},
      {"0x80 is a byte of its own",
       "\x80"
       "a",
       V{"\x80", "a"}},
      {"0x81 takes the next byte",
       "\x81"
       "a",
       V{"\x81"
         "a"}},
      {"empty", "", V{}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TextArray chars;
    EXPECT_EQ(SplitCharacters(c.text, chars), static_cast<int32_t>(c.want.size()));
    EXPECT_EQ(Members(chars), c.want);
  }
}

TEST(SplitCharacters, ReplacesWhatTheArrayHeld) {
  TextArray chars;
  SplitCharacters("AB", chars);
  SplitCharacters("C", chars);
  EXPECT_EQ(Members(chars), std::vector<Text>{"C"});
  SplitCharacters("", chars);
  EXPECT_EQ(chars.Size(), 0);
}

TEST(SplitCharacters, SeventeenMembersForADashedMac) {
  TextArray chars;
  EXPECT_EQ(SplitCharacters("00-1A-2B-3C-4D-5E", chars), 17);
}

}  // namespace
}  // namespace netbar
