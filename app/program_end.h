// The end of the program: the ordinary end, the fatal runtime error report,
// the exit callback and the event gate.
//
// FinishProgram raises the event gate, runs the exit callback once (never
// after a fatal report), closes every file still open and releases the
// platform (OLE in the window program). ExitProgram runs it and ends the
// process. ReportRuntimeError raises the gate, shows the report, empties the
// callback slot and ends the process with the fatal exit code.
//
// The portable half lives here; a program installs its platform's half with
// SetProgramEndPlatform: how a report is shown (an error box, or standard
// error), what is released, and how the process ends.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace netbar {

using ExitRoutine = void (*)();

struct ProgramEndPlatform {
  // Shows the report text; returns when the user has seen it.
  void (*show_report)(TextView report) = nullptr;
  // Releases what start-up acquired (OLE); may be null.
  void (*release)() = nullptr;
  // Ends the process with the exit code and must not return; null ends
  // through std::_Exit, as does a hook that returns all the same. (No
  // [[noreturn]] here: the attribute does not apply to a pointer, and clang
  // refuses it.)
  void (*end_process)(int32_t exit_code) = nullptr;
  // The exit code after a fatal report.
  int32_t fatal_exit_code = -1;
};

void SetProgramEndPlatform(const ProgramEndPlatform& platform);

void RegisterExitCallback(ExitRoutine routine);

// True once FinishProgram or ReportRuntimeError has begun: from then on no
// event handler of the program may run.
[[nodiscard]] bool EventGateRaised();

void FinishProgram(int32_t exit_code);
[[noreturn]] void ExitProgram(int32_t exit_code);
[[noreturn]] void ReportRuntimeError(int32_t code, TextView message = {});

// The report text for a code and a message (the table entry when the
// message is empty):
//   运行时出错!\r\n\r\n 错误代码：1\r\n\r\n 错误信息：数组成员引用下标超出定义范围\r\n
// (without the blanks). A code of 0 has no code line.
[[nodiscard]] Text ComposeRuntimeErrorReport(int32_t code, TextView message = {});

// The table's message for a code; empty for a code the table lacks.
[[nodiscard]] TextView RuntimeErrorMessage(int32_t code);

}  // namespace netbar
