// The answer a drag source gets from the window: which of its allowed
// effects a drop would have, from the modifier keys held.
//
//   not accepted                  none
//   Ctrl and Shift                none (a link is never granted by keys)
//   Ctrl                          copy if allowed, else none
//   Shift                         move if allowed, else none
//   neither                       copy, else move, else link, else none
//
// Alt and the mouse buttons in `key_state` play no part.
#pragma once

#include <windows.h>

namespace netbar::ui {

[[nodiscard]] DWORD DropEffectFor(bool accepted, DWORD key_state, DWORD allowed_effects);

}  // namespace netbar::ui
