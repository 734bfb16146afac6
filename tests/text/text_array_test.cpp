#include "text/text_array.h"

#include <gtest/gtest.h>

#include "support/fatal_exit.h"

namespace netbar {
namespace {

TEST(TextArray, MembersAreNumberedFromOne) {
  TextArray array;
  EXPECT_EQ(array.Size(), 0);
  array.Append("a");
  array.Append("");
  array.Append("\xD6\xD0");
  EXPECT_EQ(array.Size(), 3);
  EXPECT_EQ(array.At(1), "a");
  EXPECT_EQ(array.At(2), "");
  EXPECT_EQ(array.At(3), "\xD6\xD0");
  array.Clear();
  EXPECT_TRUE(array.Empty());
}

TEST(TextArrayDeathTest, ReadsOutOfBoundsRaiseCodesFourAndOne) {
  TextArray array;
  array.Append("a");
  array.Append("b");
  EXPECT_EXIT((void)array.At(0), netbar::testing::ExitedAfterFatalReport,
              "错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1");
  EXPECT_EXIT((void)array.At(-1), netbar::testing::ExitedAfterFatalReport, "错误代码：4");
  EXPECT_EXIT((void)array.At(3), netbar::testing::ExitedAfterFatalReport,
              "错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围");
}

}  // namespace
}  // namespace netbar
