#include "command_line.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace netbar::xdnd {
namespace {

constexpr DropAction kActions[] = {DropAction::kCopy, DropAction::kMove, DropAction::kLink,
                                   DropAction::kAsk, DropAction::kPrivate};

[[nodiscard]] std::optional<int> ParseInt(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Decimal as xdotool prints ids, or 0x-prefixed hexadecimal as xwininfo does.
[[nodiscard]] std::optional<std::uint32_t> ParseWindowId(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value == 0) {
    return std::nullopt;
  }
  return value;
}

[[nodiscard]] std::optional<double> ParseSeconds(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !std::isfinite(value) || value < 0) return std::nullopt;
  return value;
}

[[nodiscard]] std::optional<DropAction> ParseAction(std::string_view text) {
  for (const DropAction action : kActions) {
    if (ActionName(action) == text) return action;
  }
  return std::nullopt;
}

}  // namespace

std::string SecondsText(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%g s", seconds);
  return text;
}

std::string_view ActionName(DropAction action) {
  switch (action) {
    case DropAction::kCopy:
      return "copy";
    case DropAction::kMove:
      return "move";
    case DropAction::kLink:
      return "link";
    case DropAction::kAsk:
      return "ask";
    case DropAction::kPrivate:
      return "private";
  }
  return "copy";
}

ParsedDropOptions ParseDropOptions(const std::vector<std::string>& arguments) {
  ParsedDropOptions parsed;
  DropOptions& options = parsed.options;
  auto fail = [&parsed](std::string error) {
    parsed.error = std::move(error);
    return parsed;
  };

  bool only_files = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (only_files || argument.empty() || argument[0] != '-' || argument == "-") {
      options.files.push_back(argument);
      continue;
    }
    if (argument == "--") {
      only_files = true;
      continue;
    }
    if (argument == "--help" || argument == "-h") {
      options.help = true;
      continue;
    }
    if (argument == "--verbose" || argument == "-v") {
      options.verbose = true;
      continue;
    }
    if (argument == "--allow-missing") {
      options.allow_missing = true;
      continue;
    }

    std::string name = argument;
    std::optional<std::string> value;
    if (const size_t equals = argument.find('='); equals != std::string::npos) {
      name = argument.substr(0, equals);
      value = argument.substr(equals + 1);
    }
    const bool takes_value = name == "--title" || name == "--window" || name == "--x" ||
                             name == "--y" || name == "--action" || name == "--wait" ||
                             name == "--timeout";
    if (!takes_value) return fail("unknown option " + name);
    if (!value) {
      if (i + 1 == arguments.size()) return fail(name + " needs a value");
      value = arguments[++i];
    }

    if (name == "--title") {
      if (value->empty()) return fail("--title needs a non-empty title");
      options.title = *value;
    } else if (name == "--window") {
      options.window_id = ParseWindowId(*value);
      if (!options.window_id)
        return fail("--window needs a window id such as 0x1a00004, not \"" + *value + "\"");
    } else if (name == "--x" || name == "--y") {
      const std::optional<int> offset = ParseInt(*value);
      if (!offset) return fail(name + " needs a whole number of pixels, not \"" + *value + "\"");
      (name == "--x" ? options.x : options.y) = offset;
    } else if (name == "--action") {
      const std::optional<DropAction> action = ParseAction(*value);
      if (!action)
        return fail("--action is one of copy, move, link, ask, private, not \"" + *value + "\"");
      options.action = *action;
    } else {
      const std::optional<double> seconds = ParseSeconds(*value);
      if (!seconds) return fail(name + " needs a number of seconds, not \"" + *value + "\"");
      (name == "--wait" ? options.wait_seconds : options.timeout_seconds) = *seconds;
    }
  }

  if (options.help) return parsed;
  if (options.title.has_value() == options.window_id.has_value()) {
    return fail("name the target window with exactly one of --title and --window");
  }
  if (options.files.empty()) return fail("name at least one file to drop");
  return parsed;
}

std::string_view DropUsage() {
  return "usage: xdnd-drop (--title TITLE | --window ID) [options] [--] FILE...\n"
         "Drags FILE... onto an X11 window and drops them there over XDND, as a file\n"
         "manager does; the files are offered as text/uri-list.\n"
         "\n"
         "  --title TITLE     the window whose _NET_WM_NAME or WM_NAME is TITLE (UTF-8)\n"
         "  --window ID       the window with this id (0x-prefixed hex or decimal)\n"
         "  --x X, --y Y      the drop point in pixels from the window's top-left corner\n"
         "                    (default: the middle of the window)\n"
         "  --action ACTION   copy (default), move, link, ask or private\n"
         "  --wait SECONDS    wait up to SECONDS for the window to appear (default 0)\n"
         "  --timeout SECONDS wait up to SECONDS for each answer of the target (default 10)\n"
         "  --allow-missing   drop paths that do not exist\n"
         "  --verbose         tell each protocol step on standard error\n"
         "\n"
         "Exit status: 0 dropped and taken, 1 bad command line or file, 2 failed (no\n"
         "display, no window, no answer, X error), 3 refused by the target (nothing\n"
         "dropped), 4 dropped but the target reported it as not performed.\n";
}

}  // namespace netbar::xdnd
