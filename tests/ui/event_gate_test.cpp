// Once the program's end has begun, none of its handlers runs: the window
// and the drop target fall to their default handling. A program of its own,
// since the gate, once raised, stays raised for the process.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstdio>

#include "app/program_end.h"
#include "conversion/program_globals.h"
#include "files/run_directory.h"
#include "tests/ui/shell_data_object.h"
#include "tests/ui/window_readback.h"
#include "tests/ui/windows_test_files.h"
#include "ui/main_window.h"
#include "ui/win32_handles.h"

namespace netbar::ui {
namespace {

using namespace testing;

int exit_callback_runs = 0;
void CountingExitCallback() { ++exit_callback_runs; }

// A handler that ran in spite of the gate would end the process; it must
// not end as a passed test would.
[[noreturn]] void EndProcessAsFailure(int32_t) {
  std::fputs("the program ended although the event gate was raised\n", stderr);
  ExitProcess(77);
}

TEST(EventGate, StopsTheWindowAndTheDropTargetAfterTheEndBegan) {
  const OleScope ole;
  ASSERT_TRUE(ole.initialised());
  FixRunDirectory();
  MainWindow window;
  ASSERT_TRUE(window.Create(GetModuleHandleA(nullptr)));
  const ScratchDirectory output;
  Globals().output_path = output.File("Netbar_MAC.txt");

  ProgramEndPlatform platform;
  platform.end_process = &EndProcessAsFailure;
  SetProgramEndPlatform(platform);
  RegisterExitCallback(&CountingExitCallback);
  FinishProgram(0);
  ASSERT_TRUE(EventGateRaised());
  EXPECT_EQ(exit_callback_runs, 1);
  FinishProgram(0);
  EXPECT_EQ(exit_callback_runs, 1) << "a second end runs the callback no more";

  // A drop: no effect, nothing converted.
  ShellDataObject data;
  data.Put(CF_HDROP, AnsiFileList({FixturePath("mac_sections.ini")}));
  DWORD effect = DROPEFFECT_COPY;
  EXPECT_EQ(window.drop_target().DragEnter(&data, 0, {0, 0}, &effect), S_OK);
  EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
  effect = DROPEFFECT_COPY;
  EXPECT_EQ(window.drop_target().Drop(&data, 0, {0, 0}, &effect), E_FAIL);
  EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
  EXPECT_TRUE(data.fetched().empty());
  EXPECT_EQ(WindowText(window.edit_box()), "");
  EXPECT_FALSE(Exists(Globals().output_path));

  // The end button's click reaches no handler: the process goes on.
  SendMessageA(window.end_button(), BM_CLICK, 0, 0);
  EXPECT_TRUE(IsWindow(window.window()));
  // The window still paints and closes by the default handling.
  EXPECT_TRUE(RedrawWindow(window.window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW));
  SendMessageA(window.window(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window.window()));
}

}  // namespace
}  // namespace netbar::ui
