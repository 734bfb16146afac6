// The window program's start and its message loop.
//
// StartProgram initialises OLE on this thread, fixes the run directory and
// makes it the working directory, installs the error box and the process
// end, registers the exit callback and creates the main window (which sets
// the output path and registers the drop target before any message is
// dispatched). It then runs the loop until the window is gone and ends the
// ordinary way. It answers 0; the process ends with that code.
#pragma once

#include <windows.h>

#include <cstdint>

namespace netbar {

int32_t StartProgram(HINSTANCE instance);

// Dispatches the thread's messages, with the main window's dialog
// navigation, until the quit message arrives.
void RunMessageLoop(HWND dialog_window);

}  // namespace netbar
