#include "app/win32/error_box.h"

#include <ole2.h>
#include <windows.h>

#include "ui/main_window.h"

namespace netbar {
namespace {

void ShowErrorBox(TextView report) {
  if (ui::MainWindow* window = ui::TheMainWindow();
      window != nullptr && window->window() != nullptr) {
    window->FlushEditText();
  }
  // The report comes NUL-terminated out of a buffer of its own, made
  // without asking for memory; copy it to the stack for MessageBoxA.
  char text[1024];
  const size_t n = report.size() < sizeof text - 1 ? report.size() : sizeof text - 1;
  for (size_t i = 0; i < n; ++i) text[i] = report[i];
  text[n] = '\0';
  MessageBoxA(nullptr, text, "错误", MB_OK | MB_ICONERROR);
}

void ReleaseOle() { OleUninitialize(); }

[[noreturn]] void EndProcess(int32_t exit_code) { ExitProcess(static_cast<UINT>(exit_code)); }

}  // namespace

ProgramEndPlatform WindowsProgramEnd(bool ole_initialised) {
  ProgramEndPlatform platform;
  platform.show_report = &ShowErrorBox;
  platform.release = ole_initialised ? &ReleaseOle : nullptr;
  platform.end_process = &EndProcess;
  platform.fatal_exit_code = -1;
  return platform;
}

}  // namespace netbar
