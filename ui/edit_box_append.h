// Appending a conversion run's lines to the multi-line edit box.
//
// AppendToEditBox puts the text after everything the box holds, the user's
// own typing included: the caret goes to the end (dropping any selection),
// is scrolled into view, and the text replaces the empty selection without
// an undo entry. The caret ends after the new text.
//
// Each append costs time in proportion to what the box already holds, so a
// run of many lines appended one by one grows quadratically. EditBoxLines
// gathers a run's lines and appends them at once, at Flush; the window
// flushes before it sets the run's summary and before an error box shows,
// the only moments at which the thread lets the user see the box during a
// run. So what the user sees is what one append per line would show.
#pragma once

#include <windows.h>

#include "text/text.h"

namespace netbar::ui {

// `text` holds no NUL (a Text never does); it is handed over as it stands,
// without a copy, so that the append needs no memory of the program's own.
void AppendToEditBox(HWND edit_box, const Text& text);

class EditBoxLines {
 public:
  explicit EditBoxLines(HWND edit_box = nullptr) : edit_box_(edit_box) {}
  EditBoxLines(const EditBoxLines&) = delete;
  EditBoxLines& operator=(const EditBoxLines&) = delete;

  void Attach(HWND edit_box) { edit_box_ = edit_box; }
  void Append(TextView line) { pending_.append(line); }
  // Appends what was gathered, in one piece, and starts afresh.
  void Flush();
  [[nodiscard]] TextView pending() const { return pending_; }

 private:
  HWND edit_box_;
  Text pending_;
};

}  // namespace netbar::ui
