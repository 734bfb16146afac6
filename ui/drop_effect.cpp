#include "ui/drop_effect.h"

#include <ole2.h>

#include <initializer_list>

namespace netbar::ui {

DWORD DropEffectFor(bool accepted, DWORD key_state, DWORD allowed_effects) {
  if (!accepted) return DROPEFFECT_NONE;
  const bool ctrl = (key_state & MK_CONTROL) != 0;
  const bool shift = (key_state & MK_SHIFT) != 0;
  if (ctrl && shift) return DROPEFFECT_NONE;
  if (ctrl) return (allowed_effects & DROPEFFECT_COPY) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  if (shift) return (allowed_effects & DROPEFFECT_MOVE) ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
  for (const DWORD effect : {DROPEFFECT_COPY, DROPEFFECT_MOVE, DROPEFFECT_LINK}) {
    if (allowed_effects & effect) return effect;
  }
  return DROPEFFECT_NONE;
}

}  // namespace netbar::ui
