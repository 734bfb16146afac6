// The main window made in this process: its layout, fonts and colours as
// drawn, and conversion runs delivered through its drop target.
#include "ui/main_window.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <memory>
#include <string>

#include "conversion/program_globals.h"
#include "files/run_directory.h"
#include "tests/ui/generated_lists.h"
#include "tests/ui/shell_data_object.h"
#include "tests/ui/window_readback.h"
#include "tests/ui/windows_test_files.h"
#include "ui/win32_handles.h"

namespace netbar::ui {
namespace {

using testing::AnsiFileList;
using testing::Child;
using testing::ClassName;
using testing::Fixture;
using testing::FixturePath;
using testing::Placement;
using testing::PlacementInParent;
using testing::ReadBytes;
using testing::ScratchDirectory;
using testing::ShellDataObject;
using testing::WindowText;

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ole_.initialised());
    FixRunDirectory();
    window_ = std::make_unique<MainWindow>();
    ASSERT_TRUE(window_->Create(GetModuleHandleA(nullptr)));
    PumpMessages();
    // The runs write into a directory of the test's own.
    Globals().output_path = output_.File("Netbar_MAC.txt");
  }
  void TearDown() override { window_.reset(); }

  HRESULT DropFiles(const std::vector<std::string>& paths) {
    ShellDataObject data;
    data.Put(CF_HDROP, AnsiFileList(paths));
    return Drop(data);
  }
  HRESULT Drop(ShellDataObject& data) {
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    window_->drop_target().DragEnter(&data, 0, {300, 300}, &effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    const HRESULT answer = window_->drop_target().Drop(&data, 0, {300, 300}, &effect);
    PumpMessages();
    return answer;
  }
  [[nodiscard]] std::string EditText() const { return WindowText(window_->edit_box()); }
  [[nodiscard]] std::string Caption() const { return WindowText(window_->hint_label()); }
  [[nodiscard]] std::string OutputFile() const { return ReadBytes(Globals().output_path); }

  OleScope ole_;
  ScratchDirectory output_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowTest, StandsCentredWithItsOuterSize) {
  RECT outer;
  GetWindowRect(window_->window(), &outer);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 470) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 486) / 2);
  EXPECT_EQ(outer.right - outer.left, 470);
  EXPECT_EQ(outer.bottom - outer.top, 486);
  EXPECT_EQ(WindowText(window_->window()), "Kestrova---BY：Tamberlo");
}

TEST_F(MainWindowTest, HasAFixedFrameWithTheCloseButtonOnly) {
  const LONG style = GetWindowLongA(window_->window(), GWL_STYLE);
  const LONG ex_style = GetWindowLongA(window_->window(), GWL_EXSTYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD | WS_POPUP));
  EXPECT_FALSE(ex_style & WS_EX_ACCEPTFILES) << "files would also arrive as WM_DROPFILES";
  EXPECT_FALSE(ex_style & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
  EXPECT_TRUE(IsWindowVisible(window_->window()));
  HMENU menu = GetSystemMenu(window_->window(), FALSE);
  ASSERT_NE(menu, nullptr);
  EXPECT_NE(GetMenuState(menu, SC_MOVE, MF_BYCOMMAND), 0xFFFFFFFFu);
  EXPECT_NE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), 0xFFFFFFFFu);
}

TEST_F(MainWindowTest, ShowsTheProgramsIconsAndTheDefaultGuiFont) {
  EXPECT_NE(SendMessageA(window_->window(), WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageA(window_->window(), WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_NE(FindResourceA(nullptr, "DEFAULT_ICON", RT_GROUP_ICON), nullptr);
  const HGDIOBJ gui_font = GetStockObject(DEFAULT_GUI_FONT);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(window_->window(), WM_GETFONT, 0, 0)), gui_font);
  for (HWND control : {window_->group_box(), window_->edit_box(), window_->end_button()}) {
    SCOPED_TRACE(ClassName(control));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)), gui_font);
  }
}

TEST_F(MainWindowTest, HoldsTheControlsWhereTheyWereDesigned) {
  struct Expected {
    const char* name;
    HWND control;
    HWND parent;
    Placement placement;
    bool tab_stop;
    const char* caption;
  };
  HWND group = window_->group_box();
  const Expected controls[] = {
      {"分组框1", group, window_->window(), {8, 8, 448, 440}, false, ""},
      {"标签1",
       window_->hint_label(),
       group,
       {9, 20, 431, 48},
       false,
       "提示 顺网文件路径:\\Diskless\\ClientConfig.xml"},
      {"按钮_读节名", window_->end_button(), group, {48, 360, 88, 32}, true, "结束"},
      {"编辑框1", window_->edit_box(), group, {193, 88, 240, 328}, true, ""},
      {"标签2",
       window_->prompt_label(),
       group,
       {8, 104, 184, 148},
       false,
       "将要转换的文件拖入本程序界面任意位置即可"},
  };
  for (const Expected& expected : controls) {
    SCOPED_TRACE(expected.name);
    ASSERT_NE(expected.control, nullptr);
    EXPECT_EQ(GetParent(expected.control), expected.parent);
    EXPECT_EQ(PlacementInParent(expected.control), expected.placement)
        << testing::Describe(PlacementInParent(expected.control));
    const LONG style = GetWindowLongA(expected.control, GWL_STYLE);
    EXPECT_EQ((style & WS_TABSTOP) != 0, expected.tab_stop);
    EXPECT_TRUE(IsWindowVisible(expected.control));
    EXPECT_TRUE(IsWindowEnabled(expected.control));
    EXPECT_EQ(WindowText(expected.control), expected.caption);
  }
  // Only the group box sits in the window itself.
  EXPECT_EQ(GetWindow(GetWindow(window_->window(), GW_CHILD), GW_HWNDNEXT), nullptr);
}

TEST_F(MainWindowTest, ControlsHaveTheirKindsAndStyles) {
  const LONG group = GetWindowLongA(window_->group_box(), GWL_STYLE);
  EXPECT_EQ(ClassName(window_->group_box()), "Button");
  EXPECT_EQ(group & BS_TYPEMASK, BS_GROUPBOX);
  EXPECT_TRUE(GetWindowLongA(window_->group_box(), GWL_EXSTYLE) & WS_EX_CONTROLPARENT);

  const LONG button = GetWindowLongA(window_->end_button(), GWL_STYLE);
  EXPECT_EQ(button & BS_TYPEMASK, BS_PUSHBUTTON) << "not the default button";
  EXPECT_EQ(button & (BS_CENTER | BS_VCENTER | BS_MULTILINE),
            BS_CENTER | BS_VCENTER | BS_MULTILINE);

  const LONG edit = GetWindowLongA(window_->edit_box(), GWL_STYLE);
  EXPECT_EQ(ClassName(window_->edit_box()), "Edit");
  EXPECT_TRUE(edit & ES_MULTILINE);
  EXPECT_TRUE(edit & ES_WANTRETURN);
  EXPECT_TRUE(edit & ES_AUTOVSCROLL);
  EXPECT_FALSE(edit & (ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL | ES_READONLY | ES_NOHIDESEL));
  EXPECT_EQ(edit & (ES_CENTER | ES_RIGHT), 0);
  EXPECT_TRUE(GetWindowLongA(window_->edit_box(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_GE(static_cast<DWORD>(SendMessageA(window_->edit_box(), EM_GETLIMITTEXT, 0, 0)),
            0x7FFFFFFEu);
}

TEST_F(MainWindowTest, LabelsHaveTheirOwnFonts) {
  struct Expected {
    const char* name;
    HWND label;
    LONG height;
  };
  for (const Expected& expected : {Expected{"标签1", window_->hint_label(), -16},
                                   Expected{"标签2", window_->prompt_label(), -35}}) {
    SCOPED_TRACE(expected.name);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(expected.label, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    ASSERT_NE(font, GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTA look{};
    ASSERT_EQ(GetObjectA(font, sizeof look, &look), static_cast<int>(sizeof look));
    EXPECT_EQ(look.lfHeight, expected.height);
    EXPECT_EQ(look.lfWeight, FW_NORMAL);
    EXPECT_FALSE(look.lfItalic);
    EXPECT_FALSE(look.lfUnderline);
    EXPECT_FALSE(look.lfStrikeOut);
    EXPECT_EQ(look.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(look.lfQuality, PROOF_QUALITY);
    EXPECT_STREQ(look.lfFaceName, "");
  }
}

// What the screen shows of a window's client area.
struct Pixels {
  int blue = 0, black = 0, face = 0, white = 0, other = 0;
};

Pixels CountPixels(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT area;
  GetClientRect(window, &area);
  WindowDc dc(window);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  Pixels counted;
  for (int y = 0; y < area.bottom; ++y) {
    for (int x = 0; x < area.right; ++x) {
      const COLORREF pixel = GetPixel(dc.get(), x, y);
      if (pixel == RGB(0, 0, 255))
        ++counted.blue;
      else if (pixel == RGB(0, 0, 0))
        ++counted.black;
      else if (pixel == face)
        ++counted.face;
      else if (pixel == RGB(255, 255, 255))
        ++counted.white;
      else
        ++counted.other;
    }
  }
  return counted;
}

TEST_F(MainWindowTest, LabelsAreDrawnInTheirColoursOnTheFaceColour) {
  SetForegroundWindow(window_->window());
  const Pixels hint = CountPixels(window_->hint_label());
  EXPECT_GT(hint.black, 30);
  EXPECT_EQ(hint.blue, 0);
  EXPECT_GT(hint.face, 431 * 48 / 2);
  const Pixels prompt = CountPixels(window_->prompt_label());
  EXPECT_GT(prompt.blue, 300);
  EXPECT_EQ(prompt.black, 0);
  EXPECT_GT(prompt.face, 184 * 148 / 3);
  const Pixels edit = CountPixels(window_->edit_box());
  EXPECT_GT(edit.white, 200 * 300);
}

// A label draws an "&" as it stands: the caption is often a path.
TEST(PaintLabel, DrawsAnAmpersandAsItStands) {
  WindowDc screen(nullptr);
  auto render = [&screen](const char* text, UINT format, bool as_label) {
    HDC dc = CreateCompatibleDC(screen.get());
    GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen.get(), 300, 40));
    const SelectedObject selected(dc, bitmap.get());
    RECT area{0, 0, 300, 40};
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (as_label) {
      PaintLabel(dc, area, text, font, RGB(0, 0, 0));
    } else {
      FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
      const SelectedObject font_selected(dc, font);
      SetBkMode(dc, TRANSPARENT);
      DrawTextA(dc, text, -1, &area, format);
    }
    std::string pixels;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 300; ++x) pixels += std::to_string(GetPixel(dc, x, y)) + ",";
    DeleteDC(dc);
    return pixels;
  };
  const char* path = "C:\\R&D\\Netbar_MAC.txt";
  const std::string label = render(path, 0, true);
  EXPECT_EQ(label, render(path, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX, false));
  EXPECT_NE(label, render(path, DT_LEFT | DT_TOP | DT_WORDBREAK, false));
}

TEST_F(MainWindowTest, SetsTheOutputPathInTheRunDirectory) {
  // SetUp moved the output; a fresh window sets it again.
  MainWindow second;
  ASSERT_TRUE(second.Create(GetModuleHandleA(nullptr)));
  EXPECT_EQ(Globals().output_path, GetRunDirectory() + "\\Netbar_MAC.txt");
  EXPECT_EQ(second.drop_target().registered_window(), second.window());
}

TEST_F(MainWindowTest, ARunAppendsItsLinesAndSetsTheSummary) {
  EXPECT_EQ(DropFiles({FixturePath("mac_sections.ini")}), E_FAIL);
  const std::string lines = Fixture("mac_sections.expected");
  EXPECT_EQ(EditText(), lines);
  EXPECT_EQ(OutputFile(), lines);
  EXPECT_EQ(Caption(), "3条云更新记录写出成功已保存到\r\n" + Globals().output_path);
}

TEST_F(MainWindowTest, TwoRunsInARowKeepBothInTheBoxAndTheSecondInTheFile) {
  DropFiles({FixturePath("mac_sections.ini")});
  DropFiles({FixturePath("named_sections.ini")});
  const std::string first = Fixture("mac_sections.expected");
  const std::string second = Fixture("named_sections.expected");
  EXPECT_EQ(EditText(), first + second);
  EXPECT_EQ(OutputFile(), second);
  EXPECT_EQ(Caption(), "3条网众记录写出成功已保存到\r\n" + Globals().output_path);
}

TEST_F(MainWindowTest, TypedTextStaysAndTheCaretEndsAfterTheLastLine) {
  SetFocus(window_->edit_box());
  for (const char c : std::string("abc")) SendMessageA(window_->edit_box(), WM_CHAR, c, 1);
  SendMessageA(window_->edit_box(), EM_SETSEL, 0, 0);  // caret at the start
  DropFiles({FixturePath("mac_sections.ini")});
  const std::string text = "abc" + Fixture("mac_sections.expected");
  EXPECT_EQ(EditText(), text);
  DWORD start = 0, end = 0;
  SendMessageA(window_->edit_box(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, text.size());
  EXPECT_EQ(end, text.size());
  EXPECT_FALSE(SendMessageA(window_->edit_box(), EM_CANUNDO, 0, 0))
      << "the appended lines must not be undoable";
}

TEST_F(MainWindowTest, TwoFilesAtOnceConvertNothingAndEmptyTheFile) {
  DropFiles({FixturePath("mac_sections.ini")});
  const std::string before = EditText();
  EXPECT_EQ(DropFiles({FixturePath("mac_sections.ini"), FixturePath("named_sections.ini")}),
            E_FAIL);
  EXPECT_EQ(EditText(), before);
  EXPECT_EQ(OutputFile(), "");
  EXPECT_EQ(Caption(), "无记录写出");
}

TEST_F(MainWindowTest, DroppedTextChangesNothing) {
  ShellDataObject data;
  data.Put(CF_TEXT, std::string("[00-11-22-33-44-55]\r\nName=PC1\r\n\0", 32));
  EXPECT_EQ(Drop(data), E_FAIL);
  EXPECT_EQ(EditText(), "");
  EXPECT_EQ(Caption(), "提示 顺网文件路径:\\Diskless\\ClientConfig.xml");
  EXPECT_FALSE(testing::Exists(Globals().output_path));
}

TEST_F(MainWindowTest, ManyRecordsAllReachTheBox) {
  // Far beyond the 32767 characters an edit box takes by default.
  const testing::GeneratedList generated = testing::MacSectionList(5000);
  const std::string& expected = generated.lines;
  testing::WriteBytes(output_.File("many.ini"), generated.list);
  DropFiles({output_.File("many.ini")});
  const std::string shown = EditText();
  EXPECT_EQ(shown.size(), expected.size());
  EXPECT_TRUE(shown == expected) << "the box's text differs from the lines written";
  EXPECT_EQ(Caption(), "5000条云更新记录写出成功已保存到\r\n" + Globals().output_path);
}

}  // namespace
}  // namespace netbar::ui
