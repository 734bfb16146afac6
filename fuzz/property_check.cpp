#include "fuzz/property_check.h"

#include "app/program_end.h"

namespace netbar {
namespace {

void ShowAndTrap(TextView report) {
  std::fprintf(stderr, "runtime error report during a fuzz run:\n%.*s\n",
               static_cast<int>(report.size()), report.data());
  __builtin_trap();
}

[[noreturn]] void Trap(int32_t /*exit_code*/) { __builtin_trap(); }

}  // namespace

void TreatRuntimeErrorsAsFindings() {
  ProgramEndPlatform platform;
  platform.show_report = ShowAndTrap;
  platform.end_process = Trap;
  SetProgramEndPlatform(platform);
}

}  // namespace netbar
