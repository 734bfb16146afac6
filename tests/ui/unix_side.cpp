#include "tests/ui/unix_side.h"

#include <windows.h>

#include <stdexcept>

#include "tests/ui/windows_test_files.h"

namespace netbar::ui::testing {
namespace {

using UnixFileName = char*(__cdecl*)(const WCHAR*);

std::wstring Wide(const std::string& ansi) {
  const int n = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
  std::wstring wide(n, L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide.data(), n);
  wide.resize(n > 0 ? n - 1 : 0);
  return wide;
}

unsigned next_status = 0;

}  // namespace

std::string UnixPath(const std::string& windows_path) {
  // Through void (*)(), the one function type any other may be cast from
  // without a warning.
  auto convert = reinterpret_cast<UnixFileName>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (convert == nullptr) throw std::runtime_error("not running under Wine");
  char* unix_path = convert(Wide(windows_path).c_str());
  if (unix_path == nullptr) throw std::runtime_error("no Unix path for " + windows_path);
  std::string path(unix_path);
  HeapFree(GetProcessHeap(), 0, unix_path);
  return path;
}

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

UnixCommand::UnixCommand(const std::string& command) {
  char temp[MAX_PATH + 1];
  const DWORD n = GetTempPathA(sizeof temp, temp);
  status_file_ = std::string(temp, n) + "netbar-unix-status-" +
                 std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++next_status);
  DeleteFileA(status_file_.c_str());
  const std::string unix_status = UnixPath(status_file_);
  // The command goes in a script file: Windows and Unix quote a command
  // line differently, and a file needs no quoting at all.
  script_file_ = status_file_ + ".sh";
  WriteBytes(script_file_, command + "\necho $? > " + ShellQuoted(unix_status + ".part") +
                               " && mv " + ShellQuoted(unix_status + ".part") + " " +
                               ShellQuoted(unix_status) + "\n");
  std::string line = "/bin/sh \"" + UnixPath(script_file_) + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info)) {
    throw std::runtime_error("cannot run /bin/sh");
  }
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
}

UnixCommand::~UnixCommand() {
  DeleteFileA(status_file_.c_str());
  DeleteFileA(script_file_.c_str());
}

int UnixCommand::Wait(unsigned seconds) {
  for (unsigned waited = 0; waited < seconds * 10; ++waited) {
    if (Exists(status_file_)) return std::stoi(ReadBytes(status_file_));
    Sleep(100);
  }
  return -1;
}

int RunUnixCommand(const std::string& command, unsigned seconds) {
  UnixCommand running(command);
  return running.Wait(seconds);
}

}  // namespace netbar::ui::testing
