// The three values that live as long as the program: the output file's
// path, the number of the output file of the latest run, and the label of
// the latest run's format.
#pragma once

#include "files/open_file_table.h"
#include "text/text.h"

namespace netbar {

struct ProgramGlobals {
  Text output_path;  // set once the window (or the console converter) starts
  FileNumber output_file = 0;
  Text format_label;
};

ProgramGlobals& Globals();

// Releases the two texts; registered as the exit callback.
void ExitCallback();

// The output path in the run directory: run directory, separator,
// "Netbar_MAC.txt".
[[nodiscard]] Text OutputPathInDirectory(TextView directory);

inline constexpr TextView kOutputFileName = "Netbar_MAC.txt";

}  // namespace netbar
