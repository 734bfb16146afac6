#include "app/win32/start_program.h"

#include <ole2.h>

#include <string>

#include "app/program_end.h"
#include "app/win32/error_box.h"
#include "conversion/program_globals.h"
#include "files/run_directory.h"
#include "ui/main_window.h"

namespace netbar {
namespace {

// The exit callback, and a line for a debugger that it ran: the one trace
// by which the end of the program can be watched from outside, without a
// log or a setting.
void ExitCallbackWithTrace() {
  ExitCallback();
  OutputDebugStringA("NetbarMac: exit callback ran\n");
}

// "C:" names the current directory of drive C, not its root; a program at
// the root of a drive runs in "C:\".
std::string AsWorkingDirectory(TextView run_directory) {
  std::string directory(run_directory);
  if (directory.size() == 2 && directory[1] == ':') directory.push_back('\\');
  return directory;
}

}  // namespace

void RunMessageLoop(HWND dialog_window) {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (dialog_window != nullptr && IsWindow(dialog_window) &&
        IsDialogMessageA(dialog_window, &message)) {
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

int32_t StartProgram(HINSTANCE instance) {
  const bool ole_initialised = SUCCEEDED(OleInitialize(nullptr));
  FixRunDirectory();
  (void)SetWorkingDirectory(AsWorkingDirectory(GetRunDirectory()));
  SetProgramEndPlatform(WindowsProgramEnd(ole_initialised));

  RegisterExitCallback(&ExitCallbackWithTrace);
  if (!ui::CreateMainWindow(instance)) ReportRuntimeError(0, "载入启动窗口失败");

  ui::SetMessageLoopEntered();
  HWND window = ui::TheMainWindow()->window();
  if (window != nullptr && IsWindow(window)) RunMessageLoop(window);
  return 0;
}

}  // namespace netbar
