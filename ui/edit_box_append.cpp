#include "ui/edit_box_append.h"

namespace netbar::ui {

void AppendToEditBox(HWND edit_box, const Text& text) {
  // The byte length is never below the box's own count of characters, and
  // the box clamps a position past its end to the end.
  const int length = GetWindowTextLengthA(edit_box);
  SendMessageA(edit_box, EM_SETSEL, length, length);
  SendMessageA(edit_box, EM_SCROLLCARET, 0, 0);
  SendMessageA(edit_box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void EditBoxLines::Flush() {
  if (pending_.empty() || edit_box_ == nullptr) return;
  AppendToEditBox(edit_box_, pending_);
  Text().swap(pending_);
}

}  // namespace netbar::ui
