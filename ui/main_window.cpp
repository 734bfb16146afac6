#include "ui/main_window.h"

#include <utility>

#include "app/program_end.h"
#include "conversion/convert_dropped_file.h"
#include "conversion/program_globals.h"
#include "files/run_directory.h"
#include "ui/main_window_design.h"

namespace netbar::ui {
namespace {

bool message_loop_entered = false;

HFONT DefaultGuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

HWND CreateControl(const ControlDesign& design, HWND parent, HINSTANCE instance) {
  HWND control =
      CreateWindowExA(design.ex_style, design.class_name, design.caption, design.style, design.left,
                      design.top, design.width, design.height, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)), instance, nullptr);
  if (control != nullptr)
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultGuiFont()), FALSE);
  return control;
}

bool RegisterMainWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXA window_class{};
  if (GetClassInfoExA(instance, kMainWindowClass, &window_class)) return true;
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  window_class.lpszClassName = kMainWindowClass;
  window_class.hIcon =
      static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON,
                                    GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
  window_class.hIconSm = static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON,
                                                       GetSystemMetrics(SM_CXSMICON),
                                                       GetSystemMetrics(SM_CYSMICON), 0));
  return RegisterClassExA(&window_class) != 0;
}

}  // namespace

MainWindow::MainWindow()
    : hint_label_(kHintLabelLook),
      prompt_label_(kPromptLabelLook),
      drop_target_([](TextView) {}, [this](TextView paths) { OnFilesDropped(paths); }) {}

MainWindow::~MainWindow() {
  if (window_ != nullptr && IsWindow(window_)) {
    RevokeDragDrop(window_);
    DestroyWindow(window_);
  }
}

bool MainWindow::Create(HINSTANCE instance) {
  if (!RegisterMainWindowClass(instance, &MainWindow::WindowProcedure) ||
      !Label::RegisterClass(instance)) {
    return false;
  }
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kMainWindowWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kMainWindowHeight) / 2;
  CreateWindowExA(kMainWindowExStyle, kMainWindowClass, kMainWindowTitle, kMainWindowStyle, left,
                  top, kMainWindowWidth, kMainWindowHeight, nullptr, nullptr, instance, this);
  if (window_ == nullptr) return false;

  RECT outer;
  GetWindowRect(window_, &outer);
  if (outer.left != left || outer.top != top || outer.right - outer.left != kMainWindowWidth ||
      outer.bottom - outer.top != kMainWindowHeight) {
    SetWindowPos(window_, nullptr, left, top, kMainWindowWidth, kMainWindowHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // The class icons would do for the window too; setting them says which
  // icons the window shows, whatever the class.
  SendMessageA(window_, WM_SETICON, ICON_BIG, GetClassLongPtrA(window_, GCLP_HICON));
  SendMessageA(window_, WM_SETICON, ICON_SMALL, GetClassLongPtrA(window_, GCLP_HICONSM));
  SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultGuiFont()), FALSE);

  CreateControls(instance);
  OnMainWindowCreated();
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  // As in a dialog, the keyboard starts at the first tab stop.
  if (HWND first = GetNextDlgTabItem(window_, nullptr, FALSE)) SetFocus(first);
  return IsWindow(window_) != FALSE;
}

void MainWindow::CreateControls(HINSTANCE instance) {
  group_box_ = CreateControl(kGroupBox, window_, instance);
  if (group_box_ == nullptr) return;
  // The group box is the parent of the other controls, so their commands,
  // colour requests and the edit box's Esc and Tab arrive at it; its own
  // handling would drop them, or destroy itself on WM_CLOSE.
  SetWindowLongPtrA(group_box_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  group_box_default_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      group_box_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainWindow::GroupBoxProcedure)));

  hint_label_.Create(group_box_, kHintLabel, instance);
  end_button_ = CreateControl(kEndButton, group_box_, instance);
  edit_box_ = CreateControl(kEditBox, group_box_, instance);
  prompt_label_.Create(group_box_, kPromptLabel, instance);
  if (edit_box_ != nullptr) {
    // 0: the largest text a multi-line edit box can hold, instead of the
    // 32767 characters it takes by default.
    SendMessageA(edit_box_, EM_SETLIMITTEXT, 0, 0);
    edit_lines_.Attach(edit_box_);
  }
}

void MainWindow::OnMainWindowCreated() {
  Globals().output_path = OutputPathInDirectory(GetRunDirectory());
  // Registered on the window itself: a drop on any control reaches it. If
  // the system refuses, the window simply takes no drops.
  (void)drop_target_.RegisterDropTarget(window_);
}

void MainWindow::OnEndButtonClicked() { ExitProgram(0); }

void MainWindow::AppendEditText(TextView line) { edit_lines_.Append(line); }

void MainWindow::SetCaption(TextView caption) {
  edit_lines_.Flush();
  SetLabelCaption(hint_label_.window(), caption);
}

void MainWindow::OnFilesDropped(TextView paths) { (void)ConvertDroppedFile(paths, *this); }

void MainWindow::OnCommand(int id, int notification) {
  switch (id) {
    case kEndButtonId:
      if (notification == BN_CLICKED) OnEndButtonClicked();
      return;
    case IDCANCEL:  // Esc, from the dialog navigation
      SendMessageA(window_, WM_CLOSE, 0, 0);
      return;
    default:  // IDOK (Enter) and the rest: nothing
      return;
  }
}

void MainWindow::MoveFocus(bool backwards) {
  HWND next = GetNextDlgTabItem(window_, GetFocus(), backwards ? TRUE : FALSE);
  if (next != nullptr) SetFocus(next);
}

LRESULT CALLBACK MainWindow::WindowProcedure(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<MainWindow*>(reinterpret_cast<const CREATESTRUCTA*>(lparam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr || EventGateRaised()) return DefWindowProcA(window, message, wparam, lparam);
  return self->Handle(message, wparam, lparam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_NEXTDLGCTL:
      // From the multi-line edit box's Tab (lparam 0: wparam says which way).
      if (LOWORD(lparam) != 0) {
        SetFocus(reinterpret_cast<HWND>(wparam));
      } else {
        MoveFocus(wparam != 0);
      }
      return 0;
    case WM_CTLCOLOREDIT:
      SetTextColor(reinterpret_cast<HDC>(wparam), kEditTextColour);
      SetBkColor(reinterpret_cast<HDC>(wparam), kEditBackColour);
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(DefaultGuiFont());
    case WM_SETFONT:
      return 0;  // the window keeps the default GUI font
    case WM_ACTIVATE:
      // Remember the focused control while the window is inactive and give
      // it back on return, as a dialog does; the default would leave the
      // focus on the window itself.
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus)) focus_before_deactivation_ = focus;
      } else if (focus_before_deactivation_ != nullptr && IsWindow(focus_before_deactivation_)) {
        SetFocus(focus_before_deactivation_);
        return 0;
      }
      return DefWindowProcA(window_, message, wparam, lparam);
    case WM_HELP:
      return TRUE;  // no help
    case WM_DESTROY:
      if (message_loop_entered) PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY: {
      HWND window = std::exchange(window_, nullptr);
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      return DefWindowProcA(window, message, wparam, lparam);
    }
    default:
      return DefWindowProcA(window_, message, wparam, lparam);
  }
}

LRESULT CALLBACK MainWindow::GroupBoxProcedure(HWND window, UINT message, WPARAM wparam,
                                               LPARAM lparam) {
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_COMMAND:
    case WM_NEXTDLGCTL:
    case WM_CTLCOLOREDIT:
      return SendMessageA(GetParent(window), message, wparam, lparam);
    case WM_CLOSE:
      // The multi-line edit box posts WM_CLOSE to its parent on Esc; the
      // close is the window's.
      PostMessageA(GetParent(window), WM_CLOSE, 0, 0);
      return 0;
    default:
      return CallWindowProcA(self->group_box_default_, window, message, wparam, lparam);
  }
}

namespace {
MainWindow* the_main_window = nullptr;
}  // namespace

MainWindow* TheMainWindow() { return the_main_window; }

bool CreateMainWindow(HINSTANCE instance) {
  if (the_main_window == nullptr)
    the_main_window = new MainWindow();  // lives as long as the process
  return the_main_window->Create(instance);
}

void SetMessageLoopEntered() { message_loop_entered = true; }

}  // namespace netbar::ui
