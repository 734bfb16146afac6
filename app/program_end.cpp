#include "app/program_end.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "files/open_file_table.h"
#include "text/runtime_error.h"

namespace netbar {
namespace {

struct EndState {
  ProgramEndPlatform platform;
  ExitRoutine exit_callback = nullptr;
  int event_gate = 0;
  bool released = false;
};

EndState& State() {
  static EndState state;
  return state;
}

// Appends `piece` to the report; the report is made without asking for
// memory, since a failed memory request is one of the reasons for it.
void Put(char* report, size_t capacity, size_t& used, TextView piece) {
  const size_t room = capacity - 1 - used;
  const size_t n = piece.size() < room ? piece.size() : room;
  std::memcpy(report + used, piece.data(), n);
  used += n;
  report[used] = '\0';
}

size_t ComposeInto(char* report, size_t capacity, int32_t code, TextView message) {
  size_t used = 0;
  report[0] = '\0';
  if (message.empty()) message = RuntimeErrorMessage(code);
  Put(report, capacity, used, "运行时出错!\r\n\r\n");
  if (code != 0) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%ld", static_cast<long>(code));
    Put(report, capacity, used, "错误代码：");
    Put(report, capacity, used, digits);
    Put(report, capacity, used, "\r\n\r\n");
  }
  if (!message.empty()) {
    Put(report, capacity, used, "错误信息：");
    Put(report, capacity, used, message);
    Put(report, capacity, used, "\r\n");
  }
  return used;
}

[[noreturn]] void EndProcess(int32_t exit_code) {
  if (State().platform.end_process != nullptr) State().platform.end_process(exit_code);
  std::fflush(nullptr);
  std::_Exit(exit_code);
}

}  // namespace

void SetProgramEndPlatform(const ProgramEndPlatform& platform) { State().platform = platform; }

void RegisterExitCallback(ExitRoutine routine) { State().exit_callback = routine; }

bool EventGateRaised() { return State().event_gate > 0; }

TextView RuntimeErrorMessage(int32_t code) {
  switch (code) {
    case kIndexAboveSize:
      return "数组成员引用下标超出定义范围";
    case kIndexBelowOne:
      return "数组成员引用下标必须大于等于1";
    default:
      return {};
  }
}

Text ComposeRuntimeErrorReport(int32_t code, TextView message) {
  char report[1024];
  const size_t used = ComposeInto(report, sizeof report, code, message);
  return Text(report, used);
}

void FinishProgram(int32_t /*exit_code*/) {
  EndState& state = State();
  ++state.event_gate;
  if (ExitRoutine routine = state.exit_callback) {
    state.exit_callback = nullptr;
    routine();
  }
  CloseAllFiles();
  if (!state.released) {
    state.released = true;
    if (state.platform.release != nullptr) state.platform.release();
  }
}

void ExitProgram(int32_t exit_code) {
  FinishProgram(exit_code);
  EndProcess(exit_code);
}

void ReportRuntimeError(int32_t code, TextView message) {
  EndState& state = State();
  ++state.event_gate;
  char report[1024];
  const size_t used = ComposeInto(report, sizeof report, code, message);
  if (state.platform.show_report != nullptr) {
    state.platform.show_report(TextView(report, used));
  } else {
    std::fwrite(report, 1, used, stderr);
  }
  state.exit_callback = nullptr;
  ExitProgram(state.platform.fatal_exit_code);
}

void RaiseRuntimeError(int32_t code) { ReportRuntimeError(code); }

}  // namespace netbar
