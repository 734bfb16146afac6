// How the main window is laid out: the window's own settings and one row
// per control. Positions of the group box's children count from the group
// box's top-left corner.
#pragma once

#include <windows.h>

namespace netbar::ui {

inline constexpr char kMainWindowTitle[] = "Kestrova---BY：Tamberlo";
inline constexpr char kMainWindowClass[] = "NetbarMacMainWindow";
inline constexpr char kLabelClass[] = "NetbarMacLabel";
inline constexpr int kMainWindowWidth = 470;
inline constexpr int kMainWindowHeight = 486;
// A caption with the system menu and the close button, a fixed dialog
// frame, no minimise or maximise button.
inline constexpr DWORD kMainWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
// WS_EX_CONTROLPARENT lets the dialog navigation look into the window; it
// never has WS_EX_ACCEPTFILES, or dropped files would arrive a second time
// as WM_DROPFILES beside the drop target.
inline constexpr DWORD kMainWindowExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;

enum ControlId : int {
  kGroupBoxId = 100,
  kHintLabelId = 101,    // 标签1
  kEndButtonId = 102,    // 按钮_读节名
  kEditBoxId = 103,      // 编辑框1
  kPromptLabelId = 104,  // 标签2
};

struct ControlDesign {
  int id;
  const char* class_name;
  const char* caption;
  DWORD style;
  DWORD ex_style;
  bool in_group_box;
  int left, top, width, height;
};

// 分组框1: an etched frame without caption. WS_EX_CONTROLPARENT, so that Tab
// moves between the controls inside it and the others.
inline constexpr ControlDesign kGroupBox{
    kGroupBoxId, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, WS_EX_CONTROLPARENT, false, 8,
    8,           448,      440};

inline constexpr ControlDesign kHintLabel{kHintLabelId,
                                          kLabelClass,
                                          "提示 顺网文件路径:\\Diskless\\ClientConfig.xml",
                                          WS_CHILD | WS_VISIBLE,
                                          0,
                                          true,
                                          9,
                                          20,
                                          431,
                                          48};

inline constexpr ControlDesign kEndButton{
    kEndButtonId,
    "BUTTON",
    "结束",
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE,
    0,
    true,
    48,
    360,
    88,
    32};

// No scroll bars and no ES_AUTOHSCROLL: lines wrap at the box's width.
inline constexpr ControlDesign kEditBox{
    kEditBoxId,
    "EDIT",
    "",
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_LEFT,
    WS_EX_CLIENTEDGE,
    true,
    193,
    88,
    240,
    328};

inline constexpr ControlDesign kPromptLabel{kPromptLabelId,
                                            kLabelClass,
                                            "将要转换的文件拖入本程序界面任意位置即可",
                                            WS_CHILD | WS_VISIBLE,
                                            0,
                                            true,
                                            8,
                                            104,
                                            184,
                                            148};

struct LabelDesign {
  COLORREF text_colour;
  int character_height;  // pixels
  int weight;
};

inline constexpr LabelDesign kHintLabelLook{RGB(0, 0, 0), 16, FW_NORMAL};
inline constexpr LabelDesign kPromptLabelLook{RGB(0, 0, 255), 35, FW_NORMAL};

inline constexpr COLORREF kEditTextColour = RGB(0, 0, 0);
inline constexpr COLORREF kEditBackColour = RGB(255, 255, 255);

}  // namespace netbar::ui
