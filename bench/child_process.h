// Runs one program to its end and measures it from outside: the wall time
// from the spawn to the reaped exit, and the child's own peak resident set
// as the kernel counts it (getrusage of the reaped child).
//
// The peak includes whatever the parent had resident when the child was
// spawned, since Linux counts it at the exec; the benchmark therefore runs
// its children while it holds nothing large itself.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace netbar::bench {

struct ChildCommand {
  std::vector<std::string> argv;  // argv[0] is looked up in PATH
  std::string stdout_path = "/dev/null";
  std::string stderr_path = "/dev/null";
  std::vector<std::string> environment_overrides;  // "NAME=value", ahead of the inherited ones
};

struct ChildResult {
  bool started = false;
  int exit_status = -1;  // the exit code; -1 when the child did not exit normally
  double seconds = 0;
  int64_t max_rss_kib = 0;
};

[[nodiscard]] ChildResult RunChild(const ChildCommand& command);

}  // namespace netbar::bench
