// xdnd-drop: drops files on an X11 window over XDND, as a file manager
// does, so that tests can deliver files to a program the way a user would.
// See README.md for the command line and the exit statuses.
#include <unistd.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "command_line.h"
#include "exit_status.h"
#include "file_uri.h"
#include "x11_display.h"
#include "x11_drag_session.h"
#include "x11_window_search.h"

namespace netbar::xdnd {
namespace {

using Clock = std::chrono::steady_clock;

struct Located {
  Window window = None;
  DropTarget target;
  int root_x = 0;
  int root_y = 0;
};

struct Location {
  std::optional<Located> located;
  ExitStatus status = kFailed;
  std::string problem;  // why nothing was located
};

[[nodiscard]] std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

[[nodiscard]] std::string TitledWindowsList(const TitleSearch& search) {
  if (search.titled.empty()) return "no viewable window has a title";
  std::string list = "viewable windows with titles:";
  constexpr size_t kShown = 12;
  for (size_t i = 0; i < search.titled.size() && i < kShown; ++i) {
    list += " " + WindowIdText(search.titled[i].first) + " " + Quoted(search.titled[i].second);
  }
  if (search.titled.size() > kShown) list += " ...";
  return list;
}

// The named window, the point on it and the drop target there, or why not.
[[nodiscard]] Location Locate(const XDisplay& display, const DropOptions& options) {
  Location location;
  Window window = None;
  std::string name;
  if (options.title) {
    const TitleSearch search = FindViewableWindowsTitled(display, *options.title);
    name = "the window titled " + Quoted(*options.title);
    if (search.matches.empty()) {
      location.problem = "no viewable window is titled " + Quoted(*options.title) + "; " +
                         TitledWindowsList(search);
      return location;
    }
    if (search.matches.size() > 1) {
      location.problem = std::to_string(search.matches.size()) + " viewable windows are titled " +
                         Quoted(*options.title) + ":";
      for (const Window match : search.matches) location.problem += " " + WindowIdText(match);
      location.problem += "; name one with --window";
      return location;
    }
    window = search.matches.front();
  } else {
    window = *options.window_id;
    name = "window " + WindowIdText(window);
    if (!IsWindowViewable(display, window)) {
      location.problem = name + " does not exist or is not viewable";
      (void)display.TakeError();
      return location;
    }
  }

  const std::optional<RootRectangle> rectangle = RectangleOnRoot(display, window);
  if (!rectangle) {
    location.problem = name + " vanished";
    (void)display.TakeError();
    return location;
  }
  const int x = options.x.value_or(rectangle->width / 2);
  const int y = options.y.value_or(rectangle->height / 2);
  if (x < 0 || y < 0 || x >= rectangle->width || y >= rectangle->height) {
    location.status = kUsageError;
    location.problem = "the point " + std::to_string(x) + "," + std::to_string(y) +
                       " lies outside " + name + " (" + std::to_string(rectangle->width) + "x" +
                       std::to_string(rectangle->height) + ")";
    return location;
  }
  const int root_x = rectangle->x + x;
  const int root_y = rectangle->y + y;
  const Screen* screen = DefaultScreenOfDisplay(display.get());
  if (root_x < 0 || root_y < 0 || root_x >= WidthOfScreen(screen) ||
      root_y >= HeightOfScreen(screen)) {
    location.problem = "the point " + std::to_string(x) + "," + std::to_string(y) + " of " + name +
                       " is off the screen, at " + std::to_string(root_x) + "," +
                       std::to_string(root_y);
    return location;
  }

  const std::string where = " at " + std::to_string(root_x) + "," + std::to_string(root_y) +
                            " (point " + std::to_string(x) + "," + std::to_string(y) + " of " +
                            name + " " + WindowIdText(window) + ")";
  const std::optional<DropTarget> target = FindDropTargetAt(display, root_x, root_y);
  if (!target) {
    location.problem = "no XDND-aware window" + where;
    return location;
  }
  // A drag goes to whatever is under the pointer; when another window
  // covers the point, dropping there would test the wrong program.
  if (!IsSameOrInside(display, target->window, window) &&
      !IsSameOrInside(display, window, target->window)) {
    location.problem =
        "window " + WindowIdText(TopLevelAt(display, root_x, root_y)) + " covers the point" + where;
    return location;
  }
  location.located = Located{window, *target, root_x, root_y};
  return location;
}

[[nodiscard]] std::string WorkingDirectory() {
  std::vector<char> buffer(PATH_MAX);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return "/";
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

int Run(const std::vector<std::string>& arguments) {
  const ParsedDropOptions parsed = ParseDropOptions(arguments);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "xdnd-drop: %s\nTry 'xdnd-drop --help'.\n", parsed.error.c_str());
    return kUsageError;
  }
  const DropOptions& options = parsed.options;
  if (options.help) {
    std::fwrite(DropUsage().data(), 1, DropUsage().size(), stdout);
    return kDropped;
  }

  const std::string working_directory = WorkingDirectory();
  std::vector<std::string> paths;
  for (const std::string& file : options.files) {
    paths.push_back(AbsolutePath(file, working_directory));
    if (!options.allow_missing && access(paths.back().c_str(), F_OK) != 0) {
      std::fprintf(stderr, "xdnd-drop: no such file: %s (--allow-missing drops it anyway)\n",
                   file.c_str());
      return kUsageError;
    }
  }

  const std::string locale = ChooseUtf8Locale();
  const std::optional<XDisplay> display = XDisplay::Open();
  if (!display) {
    const char* name = std::getenv("DISPLAY");
    std::fprintf(stderr, "xdnd-drop: cannot open the X display %s\n",
                 name != nullptr ? Quoted(name).c_str() : "(DISPLAY is not set)");
    return kFailed;
  }
  if (options.verbose)
    std::fprintf(stderr, "xdnd-drop: titles read in the locale %s\n", locale.c_str());

  // Waiting covers the window not being there yet and the window not yet
  // being ready for drops.
  const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                           std::chrono::duration<double>(options.wait_seconds));
  Location location = Locate(*display, options);
  while (!location.located && location.status != kUsageError && Clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    location = Locate(*display, options);
  }
  if (!location.located) {
    std::fprintf(stderr, "xdnd-drop: %s%s\n", location.problem.c_str(),
                 options.wait_seconds > 0
                     ? (" (waited " + SecondsText(options.wait_seconds) + ")").c_str()
                     : "");
    return location.status;
  }

  DragRequest request;
  request.target = location.located->target;
  request.root_x = location.located->root_x;
  request.root_y = location.located->root_y;
  request.action = options.action;
  request.uri_list = UriList(paths);
  request.file_count = paths.size();
  request.timeout_seconds = options.timeout_seconds;
  request.verbose = options.verbose;
  if (options.verbose) {
    std::fprintf(stderr, "xdnd-drop: window %s, offering:\n%s",
                 WindowIdText(location.located->window).c_str(), request.uri_list.c_str());
  }
  const DragResult result = RunDrag(*display, request);
  std::fprintf(result.status == kDropped ? stdout : stderr, "xdnd-drop: %s\n",
               result.message.c_str());
  return result.status;
}

}  // namespace
}  // namespace netbar::xdnd

int main(int argc, char** argv) {
  return netbar::xdnd::Run(std::vector<std::string>(argv + 1, argv + argc));
}
