// The Linux side of the machine the tests run on under Wine: Unix paths of
// Windows files, and Unix commands (the XDND drag source, the screenshot
// tool) run to their end with their exit status.
#pragma once

#include <string>

namespace netbar::ui::testing {

// The Unix path of a Windows path (through Wine's own mapping).
[[nodiscard]] std::string UnixPath(const std::string& windows_path);

// Runs `command` with /bin/sh and waits for it; its exit status, or -1
// when it could not be run or did not end within the time. Wine does not
// pass a Unix process's status on, so the shell leaves it in a file.
int RunUnixCommand(const std::string& command, unsigned seconds = 60);

// A running Unix command whose status is read once it ends.
class UnixCommand {
 public:
  explicit UnixCommand(const std::string& command);
  ~UnixCommand();
  UnixCommand(const UnixCommand&) = delete;
  UnixCommand& operator=(const UnixCommand&) = delete;
  // The status, or -1 if it had not ended within the time.
  int Wait(unsigned seconds);

 private:
  std::string status_file_;
  std::string script_file_;
};

// Single-quoted for /bin/sh.
[[nodiscard]] std::string ShellQuoted(const std::string& text);

}  // namespace netbar::ui::testing
