// The three worked examples, committed as files in tests/fixtures, through
// the whole run: file layer, recognition, split, extraction, emission.
#include <gtest/gtest.h>

#include "support/run_fixture.h"

namespace netbar {
namespace {

using testing::Fixture;
using testing::RunFixture;

struct Example {
  const char* list;
  const char* expected;
  TextView caption_head;
  int32_t count;
};

TEST(WorkedExamples, EachFormatGivesItsLinesAndCaption) {
  const Example examples[] = {
      {"client_config.xml", "client_config.expected", "2条顺网记录写出成功已保存到\r\n", 2},
      {"named_sections.ini", "named_sections.expected", "3条网众记录写出成功已保存到\r\n", 3},
      {"mac_sections.ini", "mac_sections.expected", "3条云更新记录写出成功已保存到\r\n", 3},
      {"named_sections_gbk.ini", "named_sections_gbk.expected", "3条网众记录写出成功已保存到\r\n",
       3},
  };
  for (const Example& example : examples) {
    SCOPED_TRACE(example.list);
    RunFixture fixture;
    const auto result = fixture.ConvertList(Fixture(example.list));
    const std::string expected = Fixture(example.expected);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(result.output, expected);
    EXPECT_EQ(result.report.edit_text, expected);
    EXPECT_EQ(result.outcome.record_count, example.count);
    EXPECT_FALSE(result.outcome.output_failed);
    EXPECT_EQ(result.report.caption, Text(example.caption_head) + fixture.OutputPath());
    EXPECT_EQ(result.report.captions, 1);
  }
}

TEST(WorkedExamples, DroppedChunksAreExplained) {
  struct Case {
    const char* list;
    std::vector<std::pair<int32_t, DropReason>> dropped;
  } cases[] = {
      {"client_config.xml",
       {{3, DropReason::kZeroMac}, {4, DropReason::kNoName}, {5, DropReason::kNoMac}}},
      {"named_sections.ini", {{4, DropReason::kZeroMac}, {5, DropReason::kNoName}}},
      {"mac_sections.ini", {{4, DropReason::kZeroMac}, {5, DropReason::kNoName}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.list);
    RunFixture fixture;
    const auto result = fixture.ConvertList(Fixture(c.list));
    // Chunk 1, the text before the first delimiter, holds no marker and is
    // not explained.
    EXPECT_EQ(result.report.dropped, c.dropped);
  }
}

}  // namespace
}  // namespace netbar
