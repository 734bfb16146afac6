// The two labels, 标签1 and 标签2: child windows of a class of the program's
// own, painted by the program. The caption is the window text: set it with
// SetLabelCaption, read it with GetWindowTextA.
//
// A label fills its area with the 3D-face colour and draws its caption over
// it in its colour and font, word-wrapped from the top left, a CR LF
// starting a new line, cut at its edges. An "&" is drawn as it stands: the
// caption is often a path, and C:\R&D must read C:\R&D.
//
// WM_GETFONT answers the label's own font.
#pragma once

#include <windows.h>

#include "text/text.h"
#include "ui/main_window_design.h"
#include "ui/win32_handles.h"

namespace netbar::ui {

class Label {
 public:
  explicit Label(const LabelDesign& look);
  Label(const Label&) = delete;
  Label& operator=(const Label&) = delete;

  // Registers the window class once per process.
  static bool RegisterClass(HINSTANCE instance);

  // Creates the label's window (the design's class must be kLabelClass).
  HWND Create(HWND parent, const ControlDesign& design, HINSTANCE instance);

  [[nodiscard]] HWND window() const { return window_; }
  // The font the caption is drawn in: the label's own, or the default GUI
  // font when that could not be made.
  [[nodiscard]] HFONT font() const;
  [[nodiscard]] COLORREF text_colour() const { return look_.text_colour; }

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  LabelDesign look_;
  FontHandle font_;
  HWND window_ = nullptr;
};

void SetLabelCaption(HWND label, TextView caption);

// Paints `caption` into `area` of `dc` as a label does.
void PaintLabel(HDC dc, const RECT& area, TextView caption, HFONT font, COLORREF text_colour);

}  // namespace netbar::ui
