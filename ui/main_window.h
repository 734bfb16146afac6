// MainWindow: the program's only window, with its group box, two labels,
// edit box and end button, and the drop target registered on it.
//
// It reports conversion runs: AppendEditText gathers a run's lines for the
// edit box and SetCaption sets 标签1's caption (appending what was gathered
// first); dropped files are converted synchronously inside the drop.
//
// Keyboard: Esc closes the window from anywhere in it, the edit box
// included; Tab and Shift+Tab move between the end button and the edit
// box; Enter does nothing outside the edit box; Space presses the focused
// end button. The message loop must pass every message through
// IsDialogMessage(window(), ...) for this (RunMessageLoop does).
//
// While the program's event gate is raised, the window procedure hands
// every message to the default handling, so none of the program's handlers
// runs; the controls still paint.
#pragma once

#include <windows.h>

#include <memory>

#include "conversion/run_report.h"
#include "ui/drop_target.h"
#include "ui/edit_box_append.h"
#include "ui/label.h"

namespace netbar::ui {

class MainWindow final : public RunReport {
 public:
  MainWindow();
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window centred on the primary screen, its controls, runs
  // OnMainWindowCreated and shows it. False when the window could not be
  // made.
  bool Create(HINSTANCE instance);

  [[nodiscard]] HWND window() const { return window_; }
  [[nodiscard]] HWND group_box() const { return group_box_; }
  [[nodiscard]] HWND hint_label() const { return hint_label_.window(); }
  [[nodiscard]] HWND prompt_label() const { return prompt_label_.window(); }
  [[nodiscard]] HWND edit_box() const { return edit_box_; }
  [[nodiscard]] HWND end_button() const { return end_button_; }
  [[nodiscard]] DropTarget& drop_target() { return drop_target_; }
  [[nodiscard]] const Label& hint_label_look() const { return hint_label_; }
  [[nodiscard]] const Label& prompt_label_look() const { return prompt_label_; }

  // Appends the lines gathered during a run to the edit box at once.
  void FlushEditText() { edit_lines_.Flush(); }

  // RunReport
  void AppendEditText(TextView line) override;
  void SetCaption(TextView caption) override;

  // What a drop of files does: one conversion run of the joined paths.
  void OnFilesDropped(TextView paths);

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK GroupBoxProcedure(HWND window, UINT message, WPARAM wparam,
                                            LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void CreateControls(HINSTANCE instance);
  void OnMainWindowCreated();
  [[noreturn]] void OnEndButtonClicked();
  void OnCommand(int id, int notification);
  void MoveFocus(bool backwards);

  HWND window_ = nullptr;
  HWND group_box_ = nullptr;
  HWND edit_box_ = nullptr;
  HWND end_button_ = nullptr;
  Label hint_label_;
  Label prompt_label_;
  WNDPROC group_box_default_ = nullptr;
  HWND focus_before_deactivation_ = nullptr;
  EditBoxLines edit_lines_;
  DropTarget drop_target_;
};

// The program's main window, made once by CreateMainWindow; null before.
[[nodiscard]] MainWindow* TheMainWindow();
bool CreateMainWindow(HINSTANCE instance);

// Tells the window that the message loop is running: from then on the
// window's destruction posts the quit message.
void SetMessageLoopEntered();

}  // namespace netbar::ui
