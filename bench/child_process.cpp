#include "bench/child_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <cstring>

extern char** environ;

namespace netbar::bench {
namespace {

std::vector<char*> PointersTo(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  pointers.reserve(strings.size() + 1);
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

class SpawnFileActions {
 public:
  SpawnFileActions() { posix_spawn_file_actions_init(&actions_); }
  ~SpawnFileActions() { posix_spawn_file_actions_destroy(&actions_); }
  SpawnFileActions(const SpawnFileActions&) = delete;
  SpawnFileActions& operator=(const SpawnFileActions&) = delete;
  posix_spawn_file_actions_t* get() { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

}  // namespace

ChildResult RunChild(const ChildCommand& command) {
  ChildResult result;
  std::vector<std::string> argv = command.argv;
  std::vector<std::string> environment = command.environment_overrides;
  for (char** e = environ; *e != nullptr; ++e) environment.emplace_back(*e);
  std::vector<char*> argv_pointers = PointersTo(argv);
  std::vector<char*> environment_pointers = PointersTo(environment);

  SpawnFileActions actions;
  posix_spawn_file_actions_addopen(actions.get(), 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(actions.get(), 1, command.stdout_path.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(actions.get(), 2, command.stderr_path.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);

  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv_pointers[0], actions.get(), nullptr, argv_pointers.data(),
                   environment_pointers.data()) != 0) {
    return result;
  }
  int status = 0;
  rusage usage{};
  pid_t reaped;
  do {
    reaped = wait4(pid, &status, 0, &usage);
  } while (reaped == -1 && errno == EINTR);
  const auto end = std::chrono::steady_clock::now();
  if (reaped != pid) return result;

  result.started = true;
  result.seconds = std::chrono::duration<double>(end - start).count();
  result.max_rss_kib = usage.ru_maxrss;
  result.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace netbar::bench
