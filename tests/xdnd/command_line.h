// xdnd-drop's command line:
//   xdnd-drop (--title TITLE | --window ID) [--x X] [--y Y] [--action ACTION]
//             [--wait SECONDS] [--timeout SECONDS] [--allow-missing] [--verbose]
//             [--] FILE...
//   xdnd-drop --help
// Every option also takes its value as --option=VALUE.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace netbar::xdnd {

enum class DropAction { kCopy, kMove, kLink, kAsk, kPrivate };

struct DropOptions {
  std::optional<std::string> title;        // UTF-8, matched exactly
  std::optional<std::uint32_t> window_id;  // an X window id, non-zero
  std::optional<int> x;                    // from the window's left edge; default: the middle
  std::optional<int> y;                    // from the window's top edge; default: the middle
  DropAction action = DropAction::kCopy;
  double wait_seconds = 0;      // how long the window may take to appear
  double timeout_seconds = 10;  // how long each answer of the target may take
  bool allow_missing = false;   // drop paths that do not exist
  bool verbose = false;
  bool help = false;
  std::vector<std::string> files;
};

// The options, or the reason the command line is unusable.
struct ParsedDropOptions {
  DropOptions options;
  std::string error;  // empty when the command line is sound
};

[[nodiscard]] ParsedDropOptions ParseDropOptions(const std::vector<std::string>& arguments);

[[nodiscard]] std::string_view DropUsage();

// "2.5 s": a duration given in seconds, for messages.
[[nodiscard]] std::string SecondsText(double seconds);

// "copy", "move", ... as on the command line.
[[nodiscard]] std::string_view ActionName(DropAction action);

}  // namespace netbar::xdnd
