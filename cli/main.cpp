// netbar-mac: the console converter. One conversion of one list file, by the
// same rules as a drop on the window.
#include <cstdio>
#include <vector>

#include "app/program_end.h"
#include "cli/binary_streams.h"
#include "cli/console_options.h"
#include "cli/console_report.h"
#include "conversion/convert_dropped_file.h"
#include "conversion/program_globals.h"
#include "files/run_directory.h"

namespace netbar {
namespace {

constexpr int kExitWritten = 0;
constexpr int kExitNothingWritten = 1;
constexpr int kExitUsageOrOutput = 2;
constexpr int kExitRuntimeError = 255;

void ShowReportOnStandardError(TextView report) {
  std::fflush(stdout);
  std::fwrite(report.data(), 1, report.size(), stderr);
  std::fflush(stderr);
}

Text DefaultOutputPath() {
  const Text here = GetWorkingDirectory();
  return here.empty() ? Text(kOutputFileName) : OutputPathInDirectory(here);
}

int RunConsoleConverter(const std::vector<Text>& arguments) {
  UseBinaryStandardStreams();
  const ParsedOptions parsed = ParseConsoleOptions(arguments);
  const TextView usage = ConsoleUsage();
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "netbar-mac：%s\n\n%.*s", parsed.error.c_str(),
                 static_cast<int>(usage.size()), usage.data());
    return kExitUsageOrOutput;
  }
  const ConsoleOptions& options = parsed.options;
  if (options.help) {
    std::fwrite(usage.data(), 1, usage.size(), stdout);
    return kExitWritten;
  }

  ProgramEndPlatform platform;
  platform.show_report = ShowReportOnStandardError;
  platform.fatal_exit_code = kExitRuntimeError;
  SetProgramEndPlatform(platform);
  RegisterExitCallback(ExitCallback);

  Globals().output_path = options.output_path ? *options.output_path : DefaultOutputPath();
  ConsoleReport report(stdout, stderr, options.explain);
  const RunOutcome outcome = ConvertDroppedFile(options.list_path, report);
  std::fflush(stdout);
  FinishProgram(0);
  if (outcome.output_failed) return kExitUsageOrOutput;
  return outcome.record_count > 0 ? kExitWritten : kExitNothingWritten;
}

}  // namespace
}  // namespace netbar

int main(int argc, char** argv) {
  std::vector<netbar::Text> arguments(argv + 1, argv + argc);
  return netbar::RunConsoleConverter(arguments);
}
