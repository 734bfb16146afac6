// The acceptance test and output step shared by the three formats.
//
// The MAC and the name are first brought into the form in which they will be
// written: the name is cut before "BootType=" (its first p - 3 bytes, for
// "BootType=" at position p, which drops the line end before it); MAC and
// name end before their first CR or LF; a 云更新 name is shortened
// (ShortenMacSectionName). The record is then accepted only when the MAC is
// not empty and not "00-00-00-00-00-00" and the name is not empty. An
// accepted record is counted, and its line "MAC NAME\r\n" goes first to the
// report's edit text, then to the output file.
#pragma once

#include <cstdint>
#include <optional>

#include "conversion/extracted_record.h"
#include "conversion/run_report.h"
#include "conversion/source_format.h"
#include "files/open_file_table.h"

namespace netbar {

struct RunState {
  int32_t record_count = 0;
  FileNumber output_file = 0;
  bool write_failed = false;
  Text line;  // reused from record to record
};

// Why the record would be dropped, or nothing when it is accepted.
[[nodiscard]] std::optional<DropReason> TestRecord(TextView mac, TextView name, bool mac_too_short);

// The name after the boot-type cut, the line-end cut and the format's rule.
[[nodiscard]] TextView NameAsWritten(SourceFormat format, TextView name);
// The MAC up to its first CR or LF.
[[nodiscard]] TextView MacAsWritten(TextView mac);

// Emits the record or drops it; answers the reason when it was dropped.
std::optional<DropReason> EmitRecord(SourceFormat format, const ExtractedRecord& record,
                                     RunState& run, RunReport& report);

}  // namespace netbar
