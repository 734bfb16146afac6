// Finding the window to drop on, as a drag source finds it.
//
// The window is named by its title or id; the drop target is then the
// window that a real drag would meet at the drop point: walking down from
// the root with XTranslateCoordinates through the window under the point
// at each level, the deepest one that is XDND-aware. XdndProxy is honoured:
// a window may name a proxy that receives the messages in its stead (the
// proxy must name itself, else the property is a leftover and ignored).
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "x11_display.h"

namespace netbar::xdnd {

struct RootRectangle {
  int x = 0;  // of the top-left corner inside the border, on the root window
  int y = 0;
  int width = 0;
  int height = 0;
};

// Where the window is on the root window; nothing when it is gone.
[[nodiscard]] std::optional<RootRectangle> RectangleOnRoot(const XDisplay& display, Window window);

[[nodiscard]] bool IsWindowViewable(const XDisplay& display, Window window);

struct TitleSearch {
  std::vector<Window> matches;                         // viewable, titled exactly so
  std::vector<std::pair<Window, std::string>> titled;  // every viewable window with a title
};

// Searches the whole window tree, so that it finds a top-level window with
// or without a window manager's frame around it, override-redirect or not.
[[nodiscard]] TitleSearch FindViewableWindowsTitled(const XDisplay& display,
                                                    const std::string& title);

struct DropTarget {
  Window window = None;      // the aware window: what the messages name as target
  Window deliver_to = None;  // where they are sent: the window or its proxy
  int version = 0;           // the XDND version the target announces
  std::vector<Atom> types;   // the types XdndAware lists after the version, if any
};

// The aware window (or its proxy) as a target; nothing when not aware.
[[nodiscard]] std::optional<DropTarget> AwareTarget(const XDisplay& display, Window window);

// The deepest XDND-aware window under the point of the root window.
[[nodiscard]] std::optional<DropTarget> FindDropTargetAt(const XDisplay& display, int root_x,
                                                         int root_y);

// The window under the point among the root's children (for messages).
[[nodiscard]] Window TopLevelAt(const XDisplay& display, int root_x, int root_y);

// Whether `window` is `ancestor` or lies inside it.
[[nodiscard]] bool IsSameOrInside(const XDisplay& display, Window window, Window ancestor);

}  // namespace netbar::xdnd
