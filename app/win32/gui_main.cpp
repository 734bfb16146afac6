// The window program's entry point. It reads no command line.
#include <windows.h>

#include "app/program_end.h"
#include "app/win32/start_program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const int32_t exit_code = netbar::StartProgram(instance);
  netbar::ExitProgram(exit_code);
}
