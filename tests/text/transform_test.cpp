#include "text/transform.h"

#include <gtest/gtest.h>

namespace netbar {
namespace {

TEST(ToUpperCase, SingleByteLettersOnly) {
  EXPECT_EQ(ToUpperCase("ab-cd"), "AB-CD");
  EXPECT_EQ(ToUpperCase("\x81"
                        "aa"),
            "\x81"
            "aA");                               // the trail 'a' stays
  EXPECT_EQ(ToUpperCase("z{`\xB0"), "Z{`\xB0");  // lone lead byte kept
  EXPECT_EQ(ToUpperCase(""), "");
}

TEST(ReplaceSubtext, EveryOccurrenceWithoutOverlapOrRescan) {
  struct Case {
    const char* what;
    TextView text, needle, replacement, want;
  } cases[] = {
      {"colons", "AA:BB:CC", ":", "-", "AA-BB-CC"},
      {"no needle", "AABBCC", ":", "-", "AABBCC"},
      {"lone lead byte reached by the scan is dropped", "ab\xB0", ":", "-", "ab"},
      {"tail shorter than needle is copied", "ab\xB0", "xyz", "-", "ab\xB0"},
      {"no overlap", "aaa", "aa", "b", "ba"},
      {"replacement not searched again", "a", "a", "aa", "aa"},
      {"trail byte is not a match",
       "\x81:"
       ":",
       ":", "-",
       "\x81:"
       "-"},
      {"empty needle", "abc", "", "-", "abc"},
      {"empty text", "", ":", "-", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ReplaceSubtext(c.text, c.needle, c.replacement), c.want);
  }
}

}  // namespace
}  // namespace netbar
