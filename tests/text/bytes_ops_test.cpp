#include "text/bytes_ops.h"

#include <gtest/gtest.h>

#include "support/fatal_exit.h"

namespace netbar {
namespace {

using namespace std::string_view_literals;

TEST(BytesToText, EndsAtTheFirstNul) {
  EXPECT_EQ(BytesToText(Bytes("AB\0C"sv)), "AB");
  EXPECT_EQ(BytesToText(Bytes("\0AB"sv)), "");
  EXPECT_EQ(BytesToText(Bytes()), "");
  EXPECT_EQ(BytesToText(Bytes("ABC"sv)), "ABC");
  Bytes owned("xy\0z"sv);
  EXPECT_EQ(BytesToText(std::move(owned)), "xy");
}

TEST(BytesMid, ClampsTheStartUnlikeTextMid) {
  const Bytes abc("abc"sv);
  EXPECT_EQ(BytesMid(abc, 0, 2).view(), "ab");
  EXPECT_EQ(BytesMid(abc, -7, 1).view(), "a");
  EXPECT_EQ(BytesMid(abc, 3, 5).view(), "c");
  EXPECT_EQ(BytesMid(abc, 9, 1).view(), "");
  EXPECT_EQ(BytesMid(abc, 4, 1).view(), "");
  EXPECT_EQ(BytesMid(abc, 2, -1).view(), "");
  EXPECT_EQ(BytesLength(abc), 3);
  EXPECT_EQ(TextToBytes("a\x81").view(), "a\x81");
}

TEST(ByteAt, ReadsInsideTheBounds) {
  const Bytes bytes("\x01\xFF"sv);
  EXPECT_EQ(ByteAt(bytes, 1), 0x01);
  EXPECT_EQ(ByteAt(bytes, 2), 0xFF);
}

TEST(ByteAtDeathTest, OutOfBoundsReadsRaiseRuntimeErrors) {
  const Bytes bytes("ab"sv);
  EXPECT_EXIT((void)ByteAt(bytes, 0), netbar::testing::ExitedAfterFatalReport, "错误代码：4");
  EXPECT_EXIT((void)ByteAt(bytes, 3), netbar::testing::ExitedAfterFatalReport, "错误代码：1");
}

}  // namespace
}  // namespace netbar
