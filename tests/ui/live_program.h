// NetbarMac.exe started as a process of its own, watched the way a
// debugger watches it: the lines it writes for a debugger (the exit
// callback leaves one) and its exit code, all 32 bits of it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace netbar::ui::testing {

class LiveProgram {
 public:
  // Starts `executable` with `directory` as the working directory (the run
  // directory is where the executable lies, whatever that is).
  LiveProgram(const std::string& executable, const std::string& directory);
  // Ends the process if it still runs.
  ~LiveProgram();
  LiveProgram(const LiveProgram&) = delete;
  LiveProgram& operator=(const LiveProgram&) = delete;

  // The visible main window, or null if none appeared in time.
  [[nodiscard]] HWND WaitForWindow(DWORD milliseconds = 20000);
  // The first top-level window of the process other than the main window
  // with this title (the error box), or null.
  [[nodiscard]] HWND WaitForOtherWindow(const std::string& title, DWORD milliseconds = 20000);
  // True once the process has ended (within the time).
  bool WaitForExit(DWORD milliseconds = 20000);

  [[nodiscard]] bool ended() const;
  [[nodiscard]] DWORD exit_code() const;
  // How many of the debugger lines were exactly `line`.
  [[nodiscard]] int CountTraceLines(const std::string& line) const;
  [[nodiscard]] DWORD process_id() const { return process_id_; }
  [[nodiscard]] DWORD thread_id() const { return thread_id_; }
  [[nodiscard]] HWND main_window() const { return main_window_; }

 private:
  static DWORD WINAPI Debug(void* self);
  void DebugLoop();

  std::string executable_;
  std::string directory_;
  HANDLE started_ = nullptr;
  HANDLE debugger_ = nullptr;
  HANDLE process_ = nullptr;
  DWORD process_id_ = 0;
  DWORD thread_id_ = 0;
  HWND main_window_ = nullptr;
  mutable CRITICAL_SECTION lock_;
  std::vector<std::string> trace_;
  bool ended_ = false;
  DWORD exit_code_ = 0;
};

// Keyboard and mouse as the user's: SendInput into the system's queue.
void PressKeys(std::initializer_list<WORD> keys);  // held in order, released backwards
void TypeText(const std::string& ascii);
void ClickAt(POINT screen);
// The window that has the keyboard focus in the given thread.
[[nodiscard]] HWND FocusOf(DWORD thread_id);
// Lets the other process handle what it was sent.
void Settle(DWORD milliseconds = 300);

}  // namespace netbar::ui::testing
