// Runs one conversion of a list in a fresh directory, the output going to
// Netbar_MAC.txt beside it, and keeps what the run reported and wrote.
#pragma once

#include "conversion/convert_dropped_file.h"
#include "conversion/program_globals.h"
#include "support/recording_report.h"
#include "support/temp_dir.h"

namespace netbar::testing {

struct RunResult {
  RunOutcome outcome;
  RecordingReport report;
  std::string output;  // the output file's bytes afterwards
};

class RunFixture {
 public:
  RunFixture() { Globals().output_path = OutputPathInDirectory(dir_.path()); }

  RunResult ConvertList(TextView list_bytes) {
    const std::string list = dir_.File("list.txt");
    WriteFileBytes(list, list_bytes);
    return ConvertPath(list);
  }

  RunResult ConvertPath(TextView path) {
    RunResult result;
    result.outcome = ConvertDroppedFile(path, result.report);
    result.output = ReadFileBytes(Globals().output_path);
    return result;
  }

  [[nodiscard]] const TempDir& dir() const { return dir_; }
  [[nodiscard]] std::string OutputPath() const { return Globals().output_path; }

 private:
  TempDir dir_;
};

}  // namespace netbar::testing
