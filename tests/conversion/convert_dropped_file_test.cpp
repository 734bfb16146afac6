#include "conversion/convert_dropped_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "files/open_file_table.h"
#include "files/run_directory.h"
#include "support/run_fixture.h"

namespace netbar {
namespace {

using testing::ReadFileBytes;
using testing::RunFixture;
using testing::WriteFileBytes;

TEST(ConvertDroppedFile, NothingToReadEmptiesTheOutputAndSaysNoRecords) {
  RunFixture fixture;
  std::filesystem::create_directory(fixture.dir().File("folder"));
  WriteFileBytes(fixture.dir().File("empty.ini"), "");
  WriteFileBytes(fixture.dir().File("a.ini"), "[a]\r\nName=x\r\nArea=0\r\n");
  const std::string paths[] = {
      fixture.dir().File("empty.ini"),
      fixture.dir().File("folder"),
      fixture.dir().File("missing.ini"),
      "",
      // Two files dropped at once name no file.
      fixture.dir().File("a.ini") + "\r\n" + fixture.dir().File("a.ini") + "\r\n",
  };
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    WriteFileBytes(fixture.OutputPath(), "old line\r\n");
    const auto result = fixture.ConvertPath(path);
    EXPECT_TRUE(testing::FileExists(fixture.OutputPath()));
    EXPECT_EQ(result.output, "");
    EXPECT_EQ(result.report.edit_text, "");
    EXPECT_EQ(result.report.caption, "无记录写出");
    EXPECT_EQ(result.outcome.format, SourceFormat::MacSectionIni);
    EXPECT_EQ(Globals().format_label, "云更新");
  }
  EXPECT_EQ(OpenFileCount(), 0);
}

TEST(ConvertDroppedFile, RecognitionOrder) {
  struct Case {
    const char* what;
    TextView text;
    SourceFormat format;
  } cases[] = {
      {"both markers: XML wins", "MAC=1\r\n</ClientConfig>", SourceFormat::ClientConfigXml},
      {"MAC= only in a comment", "; MAC= is the key\r\n[00-11]\r\nName=a\r\nArea=\r\n",
       SourceFormat::NamedSectionIni},
      {"lower-case mac= does not count", "[M]\r\nmac=1\r\n", SourceFormat::MacSectionIni},
      {"empty", "", SourceFormat::MacSectionIni},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(DetectSourceFormat(c.text), c.format);
  }
}

TEST(ConvertDroppedFile, TheTextEndsAtTheFirstNul) {
  RunFixture fixture;
  using namespace std::string_view_literals;
  const auto result =
      fixture.ConvertList("[M1]\r\nName=A\r\nArea=0\r\n\0[M2]\r\nName=B\r\nArea=0\r\n"sv);
  EXPECT_EQ(result.output, "M1 A\r\n");
  EXPECT_EQ(result.outcome.record_count, 1);
}

TEST(ConvertDroppedFile, TwoRunsInARow) {
  RunFixture fixture;
  testing::RecordingReport report;  // plays the edit box over both runs
  const std::string first = fixture.dir().File("first.ini");
  const std::string second = fixture.dir().File("second.ini");
  WriteFileBytes(first, "[M1]\r\nName=A\r\nArea=0\r\n[M2]\r\nName=B\r\nArea=0\r\n");
  WriteFileBytes(second, "[M3]\r\nName=C\r\nArea=0\r\n");
  ConvertDroppedFile(first, report);
  ConvertDroppedFile(second, report);
  EXPECT_EQ(report.edit_text, "M1 A\r\nM2 B\r\nM3 C\r\n");
  EXPECT_EQ(ReadFileBytes(fixture.OutputPath()), "M3 C\r\n");
  EXPECT_EQ(report.caption, "1条云更新记录写出成功已保存到\r\n" + fixture.OutputPath());

  // A run that accepts nothing after one that did: the file is empty, the
  // box keeps the earlier lines.
  WriteFileBytes(first, "nothing here");
  ConvertDroppedFile(first, report);
  EXPECT_EQ(ReadFileBytes(fixture.OutputPath()), "");
  EXPECT_EQ(report.caption, "无记录写出");
  EXPECT_EQ(report.edit_text, "M1 A\r\nM2 B\r\nM3 C\r\n");
}

TEST(ConvertDroppedFile, DroppingTheOutputFileItself) {
  RunFixture fixture;
  WriteFileBytes(fixture.OutputPath(), "00-1A-2B-3C-4D-5E PC001\r\n");
  const auto result = fixture.ConvertPath(fixture.OutputPath());
  EXPECT_EQ(result.output, "");
  EXPECT_EQ(result.report.caption, "无记录写出");
}

TEST(ConvertDroppedFile, DuplicatesAreWrittenTwice) {
  RunFixture fixture;
  const auto result = fixture.ConvertList("[M]\r\nName=A\r\nArea=0\r\n[M]\r\nName=A\r\nArea=0\r\n");
  EXPECT_EQ(result.output, "M A\r\nM A\r\n");
  EXPECT_EQ(result.outcome.record_count, 2);
}

TEST(ConvertDroppedFile, AnOutputThatCannotBeWrittenIsReportedAsAFailure) {
  RunFixture fixture;
  const std::string list = fixture.dir().File("list.ini");
  WriteFileBytes(list, testing::Fixture("mac_sections.ini"));
  const std::string missing_dir = fixture.dir().File("no-such-dir") + kPathSeparator + "out.txt";
  const std::string read_only = fixture.dir().File("ro.txt");
  WriteFileBytes(read_only, "keep");
  testing::MakeReadOnly(read_only);
  for (const std::string& output : {missing_dir, read_only}) {
    SCOPED_TRACE(output);
    Globals().output_path = output;
    testing::RecordingReport report;
    const RunOutcome outcome = ConvertDroppedFile(list, report);
    EXPECT_TRUE(outcome.output_failed);
    EXPECT_EQ(report.caption, "3条云更新记录写出失败，无法保存到\r\n" + output);
    // Nothing is lost: the lines still reach the edit box.
    EXPECT_EQ(report.edit_text, testing::Fixture("mac_sections.expected"));
  }
  EXPECT_EQ(ReadFileBytes(read_only), "keep");
  testing::MakeWritable(read_only);

  // A failure with no records says so too, rather than "无记录写出".
  Globals().output_path = missing_dir;
  testing::RecordingReport report;
  ConvertDroppedFile(fixture.dir().File("missing.ini"), report);
  EXPECT_EQ(report.caption, "0条云更新记录写出失败，无法保存到\r\n" + missing_dir);
}

#ifndef _WIN32
TEST(ConvertDroppedFile, AFullDiskIsReportedAsAFailure) {
  RunFixture fixture;
  Text list;
  for (int i = 0; i < 5000; ++i) list += "[00-1A-2B-3C-4D-5E]\r\nName=PC\r\nArea=0\r\n";
  const std::string path = fixture.dir().File("big.ini");
  WriteFileBytes(path, list);
  Globals().output_path = "/dev/full";
  testing::RecordingReport report;
  const RunOutcome outcome = ConvertDroppedFile(path, report);
  EXPECT_TRUE(outcome.output_failed);
  EXPECT_EQ(report.caption, "5000条云更新记录写出失败，无法保存到\r\n/dev/full");
  EXPECT_EQ(report.lines, 5000);
}
#endif

TEST(ComposeSummary, OneRecordStartsWithOneAndTheLabel) {
  RunOutcome outcome;
  outcome.record_count = 1;
  EXPECT_EQ(ComposeSummary(outcome, "网众", "C:\\Tools\\Netbar_MAC.txt"),
            "1条网众记录写出成功已保存到\r\nC:\\Tools\\Netbar_MAC.txt");
}

}  // namespace
}  // namespace netbar
