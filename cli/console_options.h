// The console converter's command line:
//   netbar-mac [--output PATH] [--explain] LIST
//   netbar-mac --help
#pragma once

#include <optional>
#include <vector>

#include "text/text.h"

namespace netbar {

struct ConsoleOptions {
  Text list_path;
  std::optional<Text> output_path;
  bool explain = false;
  bool help = false;
};

// The options, or an error text for a usage error.
struct ParsedOptions {
  ConsoleOptions options;
  Text error;  // empty when the command line is sound
};

[[nodiscard]] ParsedOptions ParseConsoleOptions(const std::vector<Text>& arguments);

[[nodiscard]] TextView ConsoleUsage();

}  // namespace netbar
