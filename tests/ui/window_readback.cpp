#include "tests/ui/window_readback.h"

namespace netbar::ui::testing {

std::string WindowText(HWND window) {
  const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT got =
      SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

std::string ClassName(HWND window) {
  char name[256];
  const int n = GetClassNameA(window, name, sizeof name);
  return std::string(name, n > 0 ? n : 0);
}

Placement PlacementInParent(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  HWND parent = (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) ? GetParent(window) : nullptr;
  POINT corner{rect.left, rect.top};
  if (parent != nullptr) ScreenToClient(parent, &corner);
  return {corner.x, corner.y, rect.right - rect.left, rect.bottom - rect.top};
}

std::string Describe(const Placement& p) {
  return std::to_string(p.left) + "," + std::to_string(p.top) + " " + std::to_string(p.width) +
         "x" + std::to_string(p.height);
}

HWND Child(HWND parent, int id) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(child) == id) return child;
  }
  return nullptr;
}

}  // namespace netbar::ui::testing
