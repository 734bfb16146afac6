#include "text/split.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/members.h"

namespace netbar {
namespace {

using testing::Members;

TEST(SplitText, PiecesBetweenDelimiters) {
  using V = std::vector<Text>;
  struct Case {
    const char* what;
    TextView text, delimiter;
    V want;
  } cases[] = {
      {"one delimiter", "a[b", "[", V{"a", "b"}},
      {"leading delimiter gives an empty first piece", "[a[b", "[", V{"", "a", "b"}},
      {"trailing delimiter gives no empty last piece", "a[b[", "[", V{"a", "b"}},
      {"two in a row", "a[[b", "[", V{"a", "", "b"}},
      {"only delimiters", "[[", "[", V{"", ""}},
      {"only one delimiter", "[", "[", V{""}},
      {"empty text", "", "[", V{}},
      {"no delimiter", "ab", "<ClientConfig>", V{"ab"}},
      {"empty delimiter", "ab", "", V{"ab"}},
      {"trail byte is no delimiter", "\x81[a", "[", V{"\x81[a"}},
      {"lone lead byte stays in the last piece", "a[\xB0", "[", V{"a", "\xB0"}},
      {"long delimiter", "x<ClientConfig>y<ClientConfig>", "<ClientConfig>", V{"x", "y"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Members(SplitText(c.text, c.delimiter)), c.want);
  }
}

TEST(SplitText, AnAdoptedTextSplitsExactlyAsAViewedOne) {
  const TextView texts[] = {"[a]\r\n[b\x81[c]", "x[[y[", "", "[", "no delimiter", "a[\xB0"};
  for (TextView text : texts) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Members(SplitText(Text(text), "[")), Members(SplitText(text, "[")));
  }
  // Members of an adopted text stay valid as long as the array.
  TextArray pieces = SplitText(Text("[PC001]\r\n[PC002]"), "[");
  TextArray moved = std::move(pieces);
  EXPECT_EQ(Members(moved), (std::vector<Text>{"", "PC001]\r\n", "PC002]"}));
}

TEST(SplitText, JoiningThePiecesGivesBackTheTextLessOneTrailingDelimiter) {
  struct Case {
    TextView text;
    bool ends_in_delimiter;
  } cases[] = {
      {"[a]\r\n[b\x81[c]", false},
      {"x[[y[", true},
      {"\xD6\xD0[\xD6[", false},  // the last '[' is a trail byte
      {"[[[[", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const TextArray pieces = SplitText(c.text, "[");
    Text joined;
    for (int32_t k = 1; k <= pieces.Size(); ++k) {
      if (k > 1) joined += "[";
      joined += pieces.At(k);
    }
    EXPECT_EQ(c.ends_in_delimiter ? joined + "[" : joined, c.text);
  }
}

}  // namespace
}  // namespace netbar
