// Each worked example, saved in each encoding a list arrives in, through the
// whole run from the dropped path on: every one gives the same output file,
// edit box lines and caption as its GBK twin.
#include <gtest/gtest.h>

#include <string>

#include "support/run_fixture.h"

namespace netbar {
namespace {

using testing::Fixture;
using testing::RunFixture;

std::string FixturePath(const std::string& name) { return NETBAR_FIXTURES "/" + name; }

constexpr const char* kEncodings[] = {"gbk", "utf8", "utf8-bom", "utf16le", "utf16be"};

TEST(UnicodeLists, EveryEncodingOfAWorkedExampleGivesTheGbkOutput) {
  const struct {
    const char* name;
    const char* extension;
    TextView caption_head;
    int32_t count;
  } examples[] = {
      {"client_config", "xml", "2条顺网记录写出成功已保存到\r\n", 2},
      {"named_sections", "ini", "3条网众记录写出成功已保存到\r\n", 3},
      {"mac_sections", "ini", "3条云更新记录写出成功已保存到\r\n", 3},
  };
  for (const auto& example : examples) {
    const std::string expected = Fixture(std::string(example.name) + ".expected");
    ASSERT_FALSE(expected.empty()) << example.name;
    for (const char* encoding : kEncodings) {
      const std::string list = std::string(example.name) + "." + encoding + "." + example.extension;
      SCOPED_TRACE(list);
      RunFixture fixture;
      const auto result = fixture.ConvertPath(FixturePath(list));
      EXPECT_EQ(result.output, expected);
      EXPECT_EQ(result.report.edit_text, expected);
      EXPECT_EQ(result.outcome.record_count, example.count);
      EXPECT_EQ(result.report.caption, Text(example.caption_head) + fixture.OutputPath());
    }
  }
}

TEST(UnicodeLists, DeclaredUtf8AsciiXmlConvertsAsBefore) {
  RunFixture fixture;
  const auto result = fixture.ConvertPath(FixturePath("declared_utf8_ascii.xml"));
  const std::string expected = Fixture("declared_utf8_ascii.expected");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(result.output, expected);
  EXPECT_EQ(result.outcome.record_count, 2);
  // The same bytes taken as text directly, as every list was before.
  RunFixture direct;
  testing::RecordingReport report;
  const Text raw = testing::ReadFileBytes(FixturePath("declared_utf8_ascii.xml"));
  ConvertText(raw, report);
  EXPECT_EQ(testing::ReadFileBytes(direct.OutputPath()), result.output);
}

}  // namespace
}  // namespace netbar
