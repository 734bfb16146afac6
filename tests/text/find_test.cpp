#include "text/find.h"

#include <gtest/gtest.h>

namespace netbar {
namespace {

struct FindCase {
  const char* what;
  TextView text;
  TextView needle;
  int32_t first;
  int32_t last;
};

TEST(FindText, FirstAndLastOccurrenceByCharacterRule) {
  const FindCase cases[] = {
      {"plain", "abcabc", "bc", 2, 5},
      {"empty text", "", "a", -1, -1},
      {"needle longer than text", "ab", "abc", -1, -1},
      {"case-sensitive", "Abc", "a", -1, -1},
      {"trail byte is never a match start",
       "\x81_"
       "_",
       "_", 3, 3},
      {"only a trail byte matches", "\x81_", "_", -1, -1},
      {"a lone lead byte at the end is compared before the scan stops", "ab\xB0", "\xB0", 3, 3},
      {"overlapping matches", "aaa", "aa", 1, 2},
      {"needle at the very end", "xx]", "]", 3, 3},
      {"empty needle in text", "x", "", 1, 1},
      {"empty needle in empty text", "", "", -1, -1},
      {"GBK bracket trail", "\x81[a[", "[", 4, 4},
      {"long ASCII run before match", "0123456789abcdefghijklmnopqrstuvwxyzMAC=", "MAC=", 37, 37},
      {"lead bytes inside a long run", "abcdefgh\xD6\xD0ijklmnop\x81]q]", "]", 22, 22},
  };
  for (const FindCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(FindText(c.text, c.needle), c.first);
    EXPECT_EQ(FindTextReverse(c.text, c.needle), c.last);
  }
}

TEST(FindText, MatchesOnlyWhereACharacterBeginsAcrossWordBoundaries) {
  // A needle byte that is the trail of a two-byte character must be skipped
  // at every alignment of the eight-byte fast path.
  for (size_t pad = 0; pad < 17; ++pad) {
    SCOPED_TRACE(pad);
    const Text text = Text(pad, 'a') +
                      "\x81"
                      "]" +
                      Text(9, 'b') + "]";
    EXPECT_EQ(FindText(text, "]"), static_cast<int32_t>(pad + 2 + 9 + 1));
  }
}

TEST(FindText, StepsOverNearMissesAtEveryAlignment) {
  // The fast path jumps to the first byte of a word that starts the needle
  // or opens a two-byte character; near misses, a trail byte equal to the
  // needle's first byte and a partial needle at the end must all be stepped
  // over correctly wherever they fall in a word.
  for (size_t pad = 0; pad < 17; ++pad) {
    SCOPED_TRACE(pad);
    const Text prefix = Text(pad, 'a') + "<M<Ma<Mac°<";
    EXPECT_EQ(FindText(prefix + "<Mac>x", "<Mac>"), static_cast<int32_t>(prefix.size() + 1));
    EXPECT_EQ(FindText(prefix + "<Ma", "<Mac>"), -1);
    EXPECT_EQ(FindText(prefix + "<Mac>", "<Mac>"), static_cast<int32_t>(prefix.size() + 1));
  }
}

}  // namespace
}  // namespace netbar
