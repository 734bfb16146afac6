#include "tests/ui/live_program.h"

#include <stdexcept>

#include "tests/ui/window_readback.h"

namespace netbar::ui::testing {
namespace {

constexpr char kMainWindowClass[] = "NetbarMacMainWindow";

struct Lock {
  explicit Lock(CRITICAL_SECTION& section) : section_(section) { EnterCriticalSection(&section_); }
  ~Lock() { LeaveCriticalSection(&section_); }
  CRITICAL_SECTION& section_;
};

struct WindowSearch {
  DWORD process_id;
  const char* class_name;
  const char* title;
  HWND except;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<WindowSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->process_id || window == search->except || !IsWindowVisible(window)) {
    return TRUE;
  }
  if (search->class_name != nullptr && ClassName(window) != search->class_name) return TRUE;
  if (search->title != nullptr && WindowText(window) != search->title) return TRUE;
  search->found = window;
  return FALSE;
}

HWND FindProcessWindow(WindowSearch search) {
  EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

LiveProgram::LiveProgram(const std::string& executable, const std::string& directory)
    : executable_(executable), directory_(directory) {
  InitializeCriticalSection(&lock_);
  started_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  debugger_ = CreateThread(nullptr, 0, &LiveProgram::Debug, this, 0, nullptr);
  WaitForSingleObject(started_, 30000);
  if (process_ == nullptr) throw std::runtime_error("cannot start " + executable_);
}

LiveProgram::~LiveProgram() {
  if (!ended()) {
    TerminateProcess(process_, 0xDEAD);
    WaitForExit(10000);
  }
  WaitForSingleObject(debugger_, 10000);
  CloseHandle(debugger_);
  CloseHandle(started_);
  if (process_ != nullptr) CloseHandle(process_);
  DeleteCriticalSection(&lock_);
}

DWORD WINAPI LiveProgram::Debug(void* self) {
  static_cast<LiveProgram*>(self)->DebugLoop();
  return 0;
}

// A debugger must wait for the events on the thread that started the
// process.
void LiveProgram::DebugLoop() {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::string command = "\"" + executable_ + "\"";
  if (!CreateProcessA(executable_.c_str(), command.data(), nullptr, nullptr, FALSE,
                      DEBUG_ONLY_THIS_PROCESS, nullptr, directory_.c_str(), &startup, &info)) {
    SetEvent(started_);
    return;
  }
  process_ = info.hProcess;
  process_id_ = info.dwProcessId;
  thread_id_ = info.dwThreadId;
  CloseHandle(info.hThread);
  SetEvent(started_);

  for (;;) {
    DEBUG_EVENT event{};
    if (!WaitForDebugEvent(&event, INFINITE)) return;
    DWORD answer = DBG_CONTINUE;
    switch (event.dwDebugEventCode) {
      case CREATE_PROCESS_DEBUG_EVENT:
        if (event.u.CreateProcessInfo.hFile != nullptr)
          CloseHandle(event.u.CreateProcessInfo.hFile);
        break;
      case LOAD_DLL_DEBUG_EVENT:
        if (event.u.LoadDll.hFile != nullptr) CloseHandle(event.u.LoadDll.hFile);
        break;
      case OUTPUT_DEBUG_STRING_EVENT: {
        const OUTPUT_DEBUG_STRING_INFO& output = event.u.DebugString;
        std::string line(output.nDebugStringLength, '\0');
        SIZE_T got = 0;
        ReadProcessMemory(process_, output.lpDebugStringData, line.data(), line.size(), &got);
        line.resize(got);
        while (!line.empty() && (line.back() == '\0' || line.back() == '\n')) line.pop_back();
        const Lock held(lock_);
        trace_.push_back(line);
        break;
      }
      case EXCEPTION_DEBUG_EVENT:
        // The program's own exceptions are its own; only the initial
        // breakpoint is the debugger's.
        if (event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT) {
          answer = DBG_EXCEPTION_NOT_HANDLED;
        }
        break;
      case EXIT_PROCESS_DEBUG_EVENT: {
        const Lock held(lock_);
        exit_code_ = event.u.ExitProcess.dwExitCode;
        ended_ = true;
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, DBG_CONTINUE);
        return;
      }
      default:
        break;
    }
    ContinueDebugEvent(event.dwProcessId, event.dwThreadId, answer);
  }
}

HWND LiveProgram::WaitForWindow(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds && !ended()) {
    main_window_ = FindProcessWindow({process_id_, kMainWindowClass, nullptr, nullptr, nullptr});
    if (main_window_ != nullptr) {
      Settle(500);
      return main_window_;
    }
    Sleep(100);
  }
  return nullptr;
}

HWND LiveProgram::WaitForOtherWindow(const std::string& title, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds && !ended()) {
    if (HWND found =
            FindProcessWindow({process_id_, nullptr, title.c_str(), main_window_, nullptr})) {
      Settle(500);
      return found;
    }
    Sleep(100);
  }
  return nullptr;
}

bool LiveProgram::WaitForExit(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (!ended()) {
    if (GetTickCount() - start >= milliseconds) return false;
    Sleep(50);
  }
  return true;
}

bool LiveProgram::ended() const {
  const Lock held(lock_);
  return ended_;
}

DWORD LiveProgram::exit_code() const {
  const Lock held(lock_);
  return exit_code_;
}

int LiveProgram::CountTraceLines(const std::string& line) const {
  const Lock held(lock_);
  int count = 0;
  for (const std::string& traced : trace_) count += traced == line ? 1 : 0;
  return count;
}

namespace {

INPUT Key(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

}  // namespace

void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) inputs.push_back(Key(key, false));
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
    inputs.push_back(Key(*key, true));
  for (INPUT& input : inputs) {
    SendInput(1, &input, sizeof input);
    Sleep(30);
  }
  Settle();
}

void TypeText(const std::string& ascii) {
  for (const char c : ascii) {
    const SHORT scan = VkKeyScanA(c);
    if (HIBYTE(scan) & 1) {
      PressKeys({VK_SHIFT, LOBYTE(scan)});
    } else {
      PressKeys({LOBYTE(scan)});
    }
  }
}

void ClickAt(POINT screen) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input[3]{};
  for (INPUT& i : input) {
    i.type = INPUT_MOUSE;
    i.mi.dx = screen.x * 65535 / (width - 1);
    i.mi.dy = screen.y * 65535 / (height - 1);
  }
  input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
  input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
  for (INPUT& i : input) {
    SendInput(1, &i, sizeof i);
    Sleep(60);
  }
  Settle();
}

HWND FocusOf(DWORD thread_id) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread_id, &info) ? info.hwndFocus : nullptr;
}

void Settle(DWORD milliseconds) { Sleep(milliseconds); }

}  // namespace netbar::ui::testing
