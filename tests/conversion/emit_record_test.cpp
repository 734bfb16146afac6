#include "conversion/emit_record.h"

#include <gtest/gtest.h>

#include "support/recording_report.h"

namespace netbar {
namespace {

using testing::RecordingReport;

struct EmitCase {
  const char* what;
  SourceFormat format;
  TextView mac;
  TextView name;
  TextView line;  // empty when the record is dropped
  std::optional<DropReason> reason = std::nullopt;
};

TEST(EmitRecord, TestsTheFieldsAsTheyWillBeWritten) {
  const auto kXml = SourceFormat::ClientConfigXml;
  const auto kNamed = SourceFormat::NamedSectionIni;
  const auto kMac = SourceFormat::MacSectionIni;
  const EmitCase cases[] = {
      {"plain", kXml, "00-1A-2B-3C-4D-5E", "PC001", "00-1A-2B-3C-4D-5E PC001\r\n"},
      {"empty MAC", kXml, "", "PC001", "", DropReason::kNoMac},
      {"zero MAC", kNamed, "00-00-00-00-00-00", "PC", "", DropReason::kZeroMac},
      {"zero MAC with colons passes", kMac, "00:00:00:00:00:00", "PC", "00:00:00:00:00:00 PC\r\n"},
      {"empty name", kNamed, "00-1A", "", "", DropReason::kNoName},
      {"boot type cut drops the line end", kMac, "M", "PC001\r\nBootType=1\r\n", "M PC001\r\n"},
      {"boot type at position 10 keeps 7 bytes", kXml, "M", "ABCDEFGHIBootType=1", "M ABCDEFG\r\n"},
      {"name emptied by the boot type cut is dropped", kMac, "M", "\r\nBootType=1\r\n", "",
       DropReason::kNoName},
      {"name emptied at its first byte", kXml, "M", "BootType=1", "", DropReason::kNoName},
      {"name ends at its line end", kMac, "M", "PC005\r\n", "M PC005\r\n"},
      {"lone LF too", kNamed, "M", "PC\nX", "M PC\r\n"},
      {"MAC ends at its line end", kNamed, "001A2B3C4D61\r\n", "PC005", "001A2B3C4D61 PC005\r\n"},
      {"MAC that is only a line end", kNamed, "\r\nXYZ", "PC", "", DropReason::kNoMac},
      {"shortening only for MAC sections", kMac, "M", "HALL_A-PC002", "M A-PC002\r\n"},
      {"no shortening elsewhere", kNamed, "M", "HALL_A-PC002", "M HALL_A-PC002\r\n"},
      {"name shortened to nothing is dropped", kMac, "M", "A-B_\r\nBootType=1\r\n", "",
       DropReason::kNoName},
      {"dash only in the cut-off part does not count", kMac, "M", "A_B\r\nBootType=1-2\r\n",
       "M A_B\r\n"},
      {"GBK name kept byte for byte", kNamed, "M", "\xD6\xD0\x81]", "M \xD6\xD0\x81]\r\n"},
  };
  for (const EmitCase& c : cases) {
    SCOPED_TRACE(c.what);
    RecordingReport report;
    RunState run;
    ExtractedRecord record{Text(c.mac), Text(c.name)};
    const auto reason = EmitRecord(c.format, record, run, report);
    EXPECT_EQ(report.edit_text, c.line);
    EXPECT_EQ(run.record_count, c.line.empty() ? 0 : 1);
    EXPECT_EQ(reason, c.reason);
  }
}

TEST(EmitRecord, TooShortIsItsOwnReason) {
  RecordingReport report;
  RunState run;
  ExtractedRecord record{"", "PC", true, true};
  EXPECT_EQ(EmitRecord(SourceFormat::ClientConfigXml, record, run, report),
            DropReason::kMacTooShort);
}

TEST(EmitRecord, AWriteWithoutAnOpenFileIsAFailureButTheLineIsShown) {
  RecordingReport report;
  RunState run;  // output_file 0: the open failed
  ExtractedRecord record{"M", "PC"};
  EXPECT_EQ(EmitRecord(SourceFormat::NamedSectionIni, record, run, report), std::nullopt);
  EXPECT_EQ(report.edit_text, "M PC\r\n");
  EXPECT_TRUE(run.write_failed);
}

}  // namespace
}  // namespace netbar
