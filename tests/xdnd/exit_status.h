// What xdnd-drop's exit status tells its caller.
#pragma once

namespace netbar::xdnd {

enum ExitStatus : int {
  // The target took the drop: XdndFinished came, and a version 5 target
  // marked it as performed.
  kDropped = 0,
  // The command line or a file named on it was wrong; nothing was sent.
  kUsageError = 1,
  // No drop happened: no display, no such window, no XDND-aware window at
  // the point, an X error, or the target did not answer in time.
  kFailed = 2,
  // The target answered XdndStatus with "not accepted"; the drag was ended
  // with XdndLeave, nothing was dropped.
  kRefused = 3,
  // The drop was sent and the data offered, but the target's XdndFinished
  // marked it as not performed (under Wine: IDropTarget::Drop failed or
  // answered DROPEFFECT_NONE).
  kDeclined = 4,
};

}  // namespace netbar::xdnd
