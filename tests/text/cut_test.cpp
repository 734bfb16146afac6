#include "text/cut.h"

#include <gtest/gtest.h>

namespace netbar {
namespace {

TEST(TextCut, OutOfRangeCutsHaveDefinedResults) {
  struct Case {
    const char* what;
    Text got;
    const char* want;
  } cases[] = {
      {"Mid start 0", TextMid("abc", 0, 2), ""},
      {"Mid clipped at end", TextMid("abc", 3, 5), "c"},
      {"Mid start beyond end", TextMid("abc", 4, 1), ""},
      {"Mid negative count", TextMid("abc", 2, -1), ""},
      {"Mid negative start", TextMid("abc", -5, 9), ""},
      {"Mid inside", TextMid("abcdef", 2, 3), "bcd"},
      {"Left longer than text", TextLeft("abc", 5), "abc"},
      {"Left zero", TextLeft("abc", 0), ""},
      {"Left negative", TextLeft("abc", -1), ""},
      {"Right negative", TextRight("abc", -3), ""},
      {"Right two", TextRight("abc", 2), "bc"},
      {"Right longer than text", TextRight("abc", 9), "abc"},
      {"Left of empty", TextLeft("", 3), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.got, c.want);
  }
}

TEST(TextCut, CountsBytesNotCharacters) {
  // 中 in GBK is D6 D0: a byte cut may halve it.
  EXPECT_EQ(TextLength("\xD6\xD0"
                       "a"),
            3);
  EXPECT_EQ(TextLeft("\xD6\xD0"
                     "a",
                     1),
            "\xD6");
  EXPECT_EQ(TextMid("\xD6\xD0"
                    "a",
                    2, 2),
            "\xD0"
            "a");
}

TEST(TextCut, BeforeLineEndViewEndsAtTheFirstCrOrLf) {
  struct Case {
    const char* what;
    TextView text;
    TextView want;
  } cases[] = {
      {"CR LF", "PC1\r\nBootType=1", "PC1"},
      {"lone LF", "PC1\nX\r", "PC1"},
      {"lone CR", "PC1\rX\n", "PC1"},
      {"line end first", "\r\nPC1", ""},
      {"no line end", "00-1A-2B-3C-4D-5E", "00-1A-2B-3C-4D-5E"},
      {"empty", "", ""},
      {"bytes, not characters: a lead byte before CR", "\xD6\r\n", "\xD6"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(BeforeLineEndView(c.text), c.want);
  }
}

}  // namespace
}  // namespace netbar
