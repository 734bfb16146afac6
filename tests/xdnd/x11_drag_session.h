// One drag from enter to finish, as the source side of XDND (version 5,
// down to 3 for older targets):
//   XdndEnter (the offered types, also as XdndTypeList on the source window)
//   XdndPosition at the drop point, then wait for XdndStatus;
//   refused: XdndLeave; accepted: XdndDrop, then wait for XdndFinished.
// Throughout, the source owns XdndSelection and answers every conversion
// request for text/uri-list, TARGETS and TIMESTAMP (a target may ask at any
// time from XdndEnter on; Wine asks at XdndEnter, before its XdndStatus).
#pragma once

#include <cstddef>
#include <string>

#include "command_line.h"
#include "exit_status.h"
#include "x11_window_search.h"

namespace netbar::xdnd {

struct DragRequest {
  DropTarget target;
  int root_x = 0;  // the drop point on the root window
  int root_y = 0;
  DropAction action = DropAction::kCopy;
  std::string uri_list;
  std::size_t file_count = 0;
  double timeout_seconds = 10;  // for each answer of the target
  bool verbose = false;         // tell each step on standard error
};

struct DragResult {
  ExitStatus status = kFailed;
  std::string message;  // one line saying what happened
};

[[nodiscard]] DragResult RunDrag(const XDisplay& display, const DragRequest& request);

}  // namespace netbar::xdnd
