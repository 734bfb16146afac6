// Reading a window back the way a user (or an accessibility tool) sees it:
// its text, class, rectangle in its parent's client area, and the font a
// window answers to WM_GETFONT. Works on windows of this process and of
// others.
#pragma once

#include <windows.h>

#include <string>

namespace netbar::ui::testing {

[[nodiscard]] std::string WindowText(HWND window);
[[nodiscard]] std::string ClassName(HWND window);
// Left, top, width and height in the parent's client coordinates (or the
// screen's for a top-level window).
struct Placement {
  int left, top, width, height;
  bool operator==(const Placement&) const = default;
};
[[nodiscard]] Placement PlacementInParent(HWND window);
[[nodiscard]] std::string Describe(const Placement& placement);
// The child of `parent` (direct only) with this control id.
[[nodiscard]] HWND Child(HWND parent, int id);

}  // namespace netbar::ui::testing
