#include "conversion/program_globals.h"

#include "files/run_directory.h"

namespace netbar {

ProgramGlobals& Globals() {
  static ProgramGlobals globals;
  return globals;
}

void ExitCallback() {
  Text().swap(Globals().output_path);
  Text().swap(Globals().format_label);
}

Text OutputPathInDirectory(TextView directory) { return JoinPath(directory, kOutputFileName); }

}  // namespace netbar
