#include "x11_window_search.h"

#include <X11/Xatom.h>

namespace netbar::xdnd {
namespace {

[[nodiscard]] std::vector<Window> Children(const XDisplay& display, Window window) {
  Window root = None;
  Window parent = None;
  Window* children = nullptr;
  unsigned int count = 0;
  std::vector<Window> result;
  if (XQueryTree(display.get(), window, &root, &parent, &children, &count) != 0 &&
      children != nullptr) {
    result.assign(children, children + count);
  }
  if (children != nullptr) XFree(children);
  return result;
}

[[nodiscard]] std::optional<Window> Parent(const XDisplay& display, Window window) {
  Window root = None;
  Window parent = None;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display.get(), window, &root, &parent, &children, &count) == 0) {
    return std::nullopt;
  }
  if (children != nullptr) XFree(children);
  return parent;
}

[[nodiscard]] std::optional<Window> SingleWindowItem(const XDisplay& display, Window window,
                                                     Atom property) {
  const std::optional<Property> value = ReadProperty(display, window, property);
  if (!value || value->type != XA_WINDOW || value->format != 32 || value->items.size() != 1) {
    return std::nullopt;
  }
  return static_cast<Window>(value->items[0]);
}

// Where the messages for `window` go: its proxy when the proxy confirms
// itself, else the window.
[[nodiscard]] Window MessageWindow(const XDisplay& display, Window window) {
  const Atom xdnd_proxy = display.atom("XdndProxy");
  const std::optional<Window> proxy = SingleWindowItem(display, window, xdnd_proxy);
  if (!proxy) return window;
  const std::optional<Window> confirmed = SingleWindowItem(display, *proxy, xdnd_proxy);
  (void)display.TakeError();  // a proxy that is gone is just a stale property
  return confirmed == proxy ? *proxy : window;
}

}  // namespace

std::optional<RootRectangle> RectangleOnRoot(const XDisplay& display, Window window) {
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display.get(), window, &attributes) == 0) return std::nullopt;
  RootRectangle rectangle;
  Window child = None;
  if (!XTranslateCoordinates(display.get(), window, display.root(), 0, 0, &rectangle.x,
                             &rectangle.y, &child)) {
    return std::nullopt;
  }
  rectangle.width = attributes.width;
  rectangle.height = attributes.height;
  return rectangle;
}

bool IsWindowViewable(const XDisplay& display, Window window) {
  XWindowAttributes attributes{};
  return XGetWindowAttributes(display.get(), window, &attributes) != 0 &&
         attributes.map_state == IsViewable;
}

TitleSearch FindViewableWindowsTitled(const XDisplay& display, const std::string& title) {
  TitleSearch search;
  std::vector<Window> pending = Children(display, display.root());
  while (!pending.empty()) {
    const Window window = pending.back();
    pending.pop_back();
    // A window below an unmapped one is not viewable either.
    if (!IsWindowViewable(display, window)) continue;
    const std::vector<std::string> titles = WindowTitles(display, window);
    if (!titles.empty()) search.titled.emplace_back(window, titles.front());
    for (const std::string& candidate : titles) {
      if (candidate == title) {
        search.matches.push_back(window);
        break;
      }
    }
    const std::vector<Window> children = Children(display, window);
    pending.insert(pending.end(), children.begin(), children.end());
  }
  // Windows that vanished during the walk are no error of ours.
  (void)display.TakeError();
  return search;
}

std::optional<DropTarget> AwareTarget(const XDisplay& display, Window window) {
  DropTarget target;
  target.window = window;
  target.deliver_to = MessageWindow(display, window);
  const std::optional<Property> aware =
      ReadProperty(display, target.deliver_to, display.atom("XdndAware"));
  if (!aware || aware->type != XA_ATOM || aware->format != 32 || aware->items.empty()) {
    return std::nullopt;
  }
  target.version = static_cast<int>(aware->items[0]);
  target.types.assign(aware->items.begin() + 1, aware->items.end());
  return target;
}

std::optional<DropTarget> FindDropTargetAt(const XDisplay& display, int root_x, int root_y) {
  std::optional<DropTarget> deepest;
  Window current = display.root();
  for (;;) {
    int x = 0;
    int y = 0;
    Window child = None;
    if (!XTranslateCoordinates(display.get(), display.root(), current, root_x, root_y, &x, &y,
                               &child) ||
        child == None) {
      break;
    }
    current = child;
    if (std::optional<DropTarget> target = AwareTarget(display, current)) deepest = target;
  }
  (void)display.TakeError();
  return deepest;
}

Window TopLevelAt(const XDisplay& display, int root_x, int root_y) {
  int x = 0;
  int y = 0;
  Window child = None;
  XTranslateCoordinates(display.get(), display.root(), display.root(), root_x, root_y, &x, &y,
                        &child);
  return child;
}

bool IsSameOrInside(const XDisplay& display, Window window, Window ancestor) {
  for (Window current = window; current != None && current != display.root();) {
    if (current == ancestor) return true;
    const std::optional<Window> parent = Parent(display, current);
    if (!parent) return false;
    current = *parent;
  }
  return false;
}

}  // namespace netbar::xdnd
