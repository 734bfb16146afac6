// One conversion run for one dropped file.
//
// Reads the whole file, turns a list saved as UTF-8 or UTF-16 into the ANSI
// code page (text/list_encoding.h) and takes the text up to its first NUL;
// empties or creates the output file at Globals().output_path before looking
// at anything else, recognises the format, walks its chunks, emits every
// accepted record and ends with the summary:
//   "3条云更新记录写出成功已保存到\r\n" + output path    records written
//   "无记录写出"                                        none accepted
//   "3条云更新记录写出失败，无法保存到\r\n" + path       the output file could
//                                                      not be opened or written,
//                                                      for any count, 0 included
// A path of several files joined by CR LF names no file and converts nothing.
#pragma once

#include <cstdint>

#include "conversion/run_report.h"
#include "conversion/source_format.h"
#include "text/text.h"

namespace netbar {

struct RunOutcome {
  SourceFormat format = SourceFormat::MacSectionIni;
  int32_t record_count = 0;
  bool output_failed = false;
};

RunOutcome ConvertDroppedFile(TextView path, RunReport& report);

// The conversion of a text already read; ConvertDroppedFile without the read.
RunOutcome ConvertText(Text text, RunReport& report);

[[nodiscard]] Text ComposeSummary(const RunOutcome& outcome, TextView label, TextView output_path);

}  // namespace netbar
