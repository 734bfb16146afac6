#include "text/compose.h"

#include <gtest/gtest.h>

#include <climits>

namespace netbar {
namespace {

TEST(ConcatText, JoinsInArgumentOrder) {
  EXPECT_EQ(ConcatText({"", "x", ""}), "x");
  EXPECT_EQ(ConcatText({"a", "b", "c", "d"}), "abcd");
  EXPECT_EQ(ConcatText({"", ""}), "");
}

TEST(CompareText, BytesAreUnsignedAndAPrefixIsSmaller) {
  EXPECT_EQ(CompareText("", Text()), 0);
  EXPECT_EQ(CompareText("a", "ab"), -1);
  EXPECT_EQ(CompareText("ab", "a"), 1);
  EXPECT_EQ(CompareText("\xB0", "a"), 1);  // 0xB0 is above 'a'
  EXPECT_EQ(CompareText("00-00", "00-00"), 0);
}

TEST(IntToText, DecimalDigitsLikePercentD) {
  EXPECT_EQ(IntToText(12), "12");
  EXPECT_EQ(IntToText(0), "0");
  EXPECT_EQ(IntToText(-3), "-3");
  EXPECT_EQ(IntToText(INT32_MIN), "-2147483648");
}

}  // namespace
}  // namespace netbar
