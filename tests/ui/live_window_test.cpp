// NetbarMac.exe as the user meets it: started as a process of its own in a
// directory of the test's, read back from outside and driven with the
// keyboard and the mouse.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "tests/ui/generated_lists.h"
#include "tests/ui/live_program.h"
#include "tests/ui/unix_side.h"
#include "tests/ui/window_readback.h"
#include "tests/ui/windows_test_files.h"

namespace netbar::ui {
namespace {

using namespace testing;

constexpr char kExitCallbackTrace[] = "NetbarMac: exit callback ran";
// Fonts and icons are handles of the program's own process; the in-process
// window tests read them back.
constexpr int kGroupBoxId = 100, kHintLabelId = 101, kEndButtonId = 102, kEditBoxId = 103,
              kPromptLabelId = 104;

// The program copied into a fresh run directory and started there.
class LiveWindowTest : public ::testing::Test {
 public:
  void Start() { Start(run_directory_.path(), run_directory_.path()); }
  // The program copied into `directory` ("C:" for the root of drive C) and
  // started with another working directory, if one is given.
  void Start(const std::string& directory, const std::string& working_directory) {
    const std::string copy = directory + "\\NetbarMac.exe";
    ASSERT_TRUE(CopyFileA(NETBAR_PROGRAM, copy.c_str(), FALSE)) << NETBAR_PROGRAM;
    program_ = std::make_unique<LiveProgram>(copy, working_directory);
    window_ = program_->WaitForWindow();
    ASSERT_NE(window_, nullptr) << "no main window appeared";
    group_ = Child(window_, kGroupBoxId);
    ASSERT_NE(group_, nullptr);
    SetForegroundWindow(window_);
    Settle();
  }
  [[nodiscard]] HWND Control(int id) const { return Child(group_, id); }
  [[nodiscard]] POINT CentreOf(HWND control) const {
    RECT rect;
    GetWindowRect(control, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  }
  void ExpectOrdinaryEnd() {
    ASSERT_TRUE(program_->WaitForExit()) << "the program did not end";
    EXPECT_EQ(program_->exit_code(), 0u);
    EXPECT_EQ(program_->CountTraceLines(kExitCallbackTrace), 1);
  }
  void ExpectStillRunning() {
    EXPECT_FALSE(program_->WaitForExit(700));
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_NE(Control(kEditBoxId), nullptr) << "the controls are gone";
  }

  ScratchDirectory run_directory_{"netbar-live"};
  std::unique_ptr<LiveProgram> program_;
  HWND window_ = nullptr;
  HWND group_ = nullptr;
};

TEST_F(LiveWindowTest, StandsCentredOnTheScreenWithItsTitle) {
  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
  Start();
  EXPECT_EQ(PlacementInParent(window_), (Placement{277, 141, 470, 486}))
      << Describe(PlacementInParent(window_));
  EXPECT_EQ(WindowText(window_), "Kestrova---BY：Tamberlo");
  const LONG style = GetWindowLongA(window_, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_FALSE(GetWindowLongA(window_, GWL_EXSTYLE) & (WS_EX_ACCEPTFILES | WS_EX_TOPMOST));
}

TEST_F(LiveWindowTest, HoldsItsControlsWithTheirCaptions) {
  Start();
  struct Expected {
    const char* name;
    HWND control;
    HWND parent;
    const char* class_name;
    Placement placement;
    bool tab_stop;
    const char* caption;
  };
  const Expected controls[] = {
      {"分组框1", group_, window_, "Button", {8, 8, 448, 440}, false, ""},
      {"标签1",
       Control(kHintLabelId),
       group_,
       "NetbarMacLabel",
       {9, 20, 431, 48},
       false,
       "提示 顺网文件路径:\\Diskless\\ClientConfig.xml"},
      {"按钮_读节名", Control(kEndButtonId), group_, "Button", {48, 360, 88, 32}, true, "结束"},
      {"编辑框1", Control(kEditBoxId), group_, "Edit", {193, 88, 240, 328}, true, ""},
      {"标签2",
       Control(kPromptLabelId),
       group_,
       "NetbarMacLabel",
       {8, 104, 184, 148},
       false,
       "将要转换的文件拖入本程序界面任意位置即可"},
  };
  for (const Expected& expected : controls) {
    SCOPED_TRACE(expected.name);
    ASSERT_NE(expected.control, nullptr);
    EXPECT_EQ(GetParent(expected.control), expected.parent);
    EXPECT_EQ(ClassName(expected.control), expected.class_name);
    EXPECT_EQ(PlacementInParent(expected.control), expected.placement)
        << Describe(PlacementInParent(expected.control));
    EXPECT_EQ((GetWindowLongA(expected.control, GWL_STYLE) & WS_TABSTOP) != 0, expected.tab_stop);
    EXPECT_TRUE(IsWindowVisible(expected.control));
    EXPECT_TRUE(IsWindowEnabled(expected.control));
    EXPECT_EQ(WindowText(expected.control), expected.caption);
  }
  // The client area of the window, in the window's coordinates.
  POINT client{0, 0};
  ClientToScreen(window_, &client);
  RECT edit;
  GetWindowRect(Control(kEditBoxId), &edit);
  EXPECT_EQ(edit.left - client.x, 201);
  EXPECT_EQ(edit.top - client.y, 96);
}

struct ScreenColours {
  int blue = 0, black = 0, face = 0, white = 0;
};

ScreenColours ColoursOnScreen(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  HDC screen = GetDC(nullptr);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  ScreenColours seen;
  for (LONG y = rect.top; y < rect.bottom; y += 1) {
    for (LONG x = rect.left; x < rect.right; x += 1) {
      const COLORREF pixel = GetPixel(screen, x, y);
      seen.blue += pixel == RGB(0, 0, 255);
      seen.black += pixel == RGB(0, 0, 0);
      seen.face += pixel == face;
      seen.white += pixel == RGB(255, 255, 255);
    }
  }
  ReleaseDC(nullptr, screen);
  return seen;
}

TEST_F(LiveWindowTest, IsPaintedInItsColours) {
  Start();
  const ScreenColours hint = ColoursOnScreen(Control(kHintLabelId));
  EXPECT_GT(hint.black, 30) << "black text";
  EXPECT_EQ(hint.blue, 0);
  EXPECT_GT(hint.face, 431 * 48 / 2) << "on the 3D-face colour";
  const ScreenColours prompt = ColoursOnScreen(Control(kPromptLabelId));
  EXPECT_GT(prompt.blue, 300) << "blue text";
  EXPECT_EQ(prompt.black, 0);
  EXPECT_GT(prompt.face, 184 * 148 / 3);
  const ScreenColours edit = ColoursOnScreen(Control(kEditBoxId));
  EXPECT_GT(edit.white, 200 * 300) << "a white edit box";
  // The window's own background, between the group box's frame and its
  // controls.
  HDC screen = GetDC(nullptr);
  POINT background{12, 300};
  ClientToScreen(window_, &background);
  EXPECT_EQ(GetPixel(screen, background.x, background.y), GetSysColor(COLOR_BTNFACE));
  ReleaseDC(nullptr, screen);
}

// Every way of ending the program the ordinary way.
TEST_F(LiveWindowTest, EveryOrdinaryEndExitsWithZeroAfterOneExitCallback) {
  struct Way {
    const char* name;
    std::function<void(LiveWindowTest&)> end;
  };
  const Way ways[] = {
      {"end button clicked",
       [](LiveWindowTest& t) { ClickAt(t.CentreOf(t.Control(kEndButtonId))); }},
      {"Space on the focused end button",
       [](LiveWindowTest& t) {
         SetFocus(nullptr);
         ASSERT_EQ(FocusOf(t.program_->thread_id()), t.Control(kEndButtonId));
         PressKeys({VK_SPACE});
       }},
      {"close button",
       [](LiveWindowTest& t) {
         RECT outer;
         GetWindowRect(t.window_, &outer);
         const int frame = GetSystemMetrics(SM_CXFIXEDFRAME);
         ClickAt(
             {outer.right - frame - GetSystemMetrics(SM_CXSIZE) / 2 - 1,
              outer.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2});
       }},
      {"Alt+F4",
       [](LiveWindowTest&) {
         PressKeys({VK_MENU, VK_F4});
       }},
      {"Esc on the end button", [](LiveWindowTest&) { PressKeys({VK_ESCAPE}); }},
      {"Esc in the edit box",
       [](LiveWindowTest& t) {
         ClickAt(t.CentreOf(t.Control(kEditBoxId)));
         ASSERT_EQ(FocusOf(t.program_->thread_id()), t.Control(kEditBoxId));
         PressKeys({VK_ESCAPE});
       }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    Start();
    way.end(*this);
    ExpectOrdinaryEnd();
    program_.reset();
  }
}

TEST_F(LiveWindowTest, TabAndShiftTabMoveBetweenTheButtonAndTheEditBox) {
  Start();
  const DWORD thread = program_->thread_id();
  HWND button = Control(kEndButtonId), edit = Control(kEditBoxId);
  ASSERT_EQ(FocusOf(thread), button) << "the keyboard starts at the first tab stop";
  PressKeys({VK_TAB});
  EXPECT_EQ(FocusOf(thread), edit);
  PressKeys({VK_TAB});
  EXPECT_EQ(FocusOf(thread), button) << "Tab leaves the edit box";
  PressKeys({VK_SHIFT, VK_TAB});
  EXPECT_EQ(FocusOf(thread), edit);
  PressKeys({VK_SHIFT, VK_TAB});
  EXPECT_EQ(FocusOf(thread), button);
  EXPECT_EQ(WindowText(edit), "") << "no tab character went into the box";
  PressKeys({VK_ESCAPE});
  ExpectOrdinaryEnd();
}

TEST_F(LiveWindowTest, EnterAndF1OutsideTheEditBoxDoNothing) {
  Start();
  ASSERT_EQ(FocusOf(program_->thread_id()), Control(kEndButtonId));
  PressKeys({VK_RETURN});
  ExpectStillRunning();
  PressKeys({VK_F1});
  ExpectStillRunning();
  EXPECT_EQ(program_->CountTraceLines(kExitCallbackTrace), 0);
  PressKeys({VK_ESCAPE});
  ExpectOrdinaryEnd();
}

TEST_F(LiveWindowTest, TypingGoesIntoTheEditBoxAndEnterBreaksTheLine) {
  Start();
  HWND edit = Control(kEditBoxId);
  ClickAt(CentreOf(edit));
  TypeText("abc");
  PressKeys({VK_RETURN});
  TypeText("de");
  EXPECT_EQ(WindowText(edit), "abc\r\nde");
  ExpectStillRunning();
  PressKeys({VK_ESCAPE});
  ExpectOrdinaryEnd();
}

// Files dropped the way a file manager drops them: a real XDND drag from
// another (native) process onto the window, which Wine hands to the
// program's drop target.
class LiveDropTest : public LiveWindowTest {
 public:
  static std::string DropCommand(const std::vector<std::string>& windows_paths) {
    // The title in UTF-8, as X11 tools take it, spelled in ASCII for the
    // command line.
    std::string command =
        ShellQuoted(NETBAR_XDND_DROP) +
        " --wait 20 --title \"$(printf 'Kestrova---BY\\357\\274\\232Tamberlo')\" --";
    for (const std::string& path : windows_paths) command += " " + ShellQuoted(UnixPath(path));
    return command + " >/dev/null";
  }
  // The drag source's status: 4 when the drop was delivered and the target
  // answered that it did not perform it, which is what E_FAIL tells.
  static int Drop(const std::vector<std::string>& windows_paths) {
    const int status = RunUnixCommand(DropCommand(windows_paths));
    Settle(500);
    return status;
  }
  // The screen around the main window, under the build folder.
  void SaveScreenshot(const std::string& name) {
    RECT outer;
    GetWindowRect(window_, &outer);
    const std::string crop = std::to_string(outer.right - outer.left) + "x" +
                             std::to_string(outer.bottom - outer.top) + "+" +
                             std::to_string(outer.left) + "+" + std::to_string(outer.top);
    RunUnixCommand("mkdir -p " + ShellQuoted(NETBAR_SCREENSHOTS) +
                   " && import -window root -crop " + crop + " +repage " +
                   ShellQuoted(std::string(NETBAR_SCREENSHOTS) + "/" + name));
  }
  [[nodiscard]] std::string EditText() const { return WindowText(Control(kEditBoxId)); }
  [[nodiscard]] std::string Caption() const { return WindowText(Control(kHintLabelId)); }
  [[nodiscard]] std::string Output() const {
    return ReadBytes(run_directory_.File("Netbar_MAC.txt"));
  }
  [[nodiscard]] std::string Summary(const std::string& head) const {
    return head + "记录写出成功已保存到\r\n" + run_directory_.File("Netbar_MAC.txt");
  }
};

TEST_F(LiveDropTest, DroppedFilesAreConvertedRunAfterRun) {
  Start();
  HWND edit = Control(kEditBoxId);
  ClickAt(CentreOf(edit));
  TypeText("abc");
  PressKeys({VK_HOME});  // the caret away from the end

  ASSERT_EQ(Drop({FixturePath("mac_sections.ini")}), 4);
  const std::string first = Fixture("mac_sections.expected");
  EXPECT_EQ(EditText(), "abc" + first) << "typed text stays, the lines come after it";
  const LRESULT selection = SendMessageA(edit, EM_GETSEL, 0, 0);
  EXPECT_EQ(LOWORD(selection), ("abc" + first).size()) << "the caret ends after the last line";
  EXPECT_EQ(HIWORD(selection), ("abc" + first).size());
  EXPECT_EQ(Caption(), Summary("3条云更新"));
  EXPECT_EQ(Output(), first);
  SaveScreenshot("after-drop.png");

  ASSERT_EQ(Drop({FixturePath("named_sections.ini")}), 4);
  const std::string second = Fixture("named_sections.expected");
  EXPECT_EQ(EditText(), "abc" + first + second);
  EXPECT_EQ(Caption(), Summary("3条网众"));
  EXPECT_EQ(Output(), second) << "the file holds the latest run only";

  // Two files at once are one run of their joined paths, which name no file.
  ASSERT_EQ(Drop({FixturePath("mac_sections.ini"), FixturePath("client_config.xml")}), 4);
  EXPECT_EQ(EditText(), "abc" + first + second);
  EXPECT_EQ(Caption(), "无记录写出");
  EXPECT_EQ(Output(), "");
  SaveScreenshot("after-two-files.png");

  ClickAt(CentreOf(Control(kEndButtonId)));
  ExpectOrdinaryEnd();
}

// A request for memory that the 32-bit process cannot satisfy, in the middle
// of a run: a list whose last client has a name of some 400 MB. The records
// before it are shown and written; the error box tells the size asked for.
TEST_F(LiveDropTest, AFailedMemoryRequestInARunShowsTheErrorBoxAndEndsWithMinusOne) {
  if constexpr (sizeof(void*) > 4) {
    GTEST_SKIP() << "the address space of the x86_64 test build does not run out; the shipped "
                    "32-bit program is where a list can exhaust it";
  }
  const GeneratedList small = MacSectionList(20);
  const std::string big_list = run_directory_.File("big.ini");
  {
    HANDLE file = CreateFileA(big_list.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    const std::string head = small.list + "[00-1A-2B-FF-FF-FF]\r\nName=";
    WriteFile(file, head.data(), head.size(), &written, nullptr);
    const std::string block(1 << 20, 'N');
    for (int i = 0; i < 400; ++i) WriteFile(file, block.data(), block.size(), &written, nullptr);
    const std::string tail = "\r\nArea=0\r\n";
    WriteFile(file, tail.data(), tail.size(), &written, nullptr);
    CloseHandle(file);
  }
  Start();
  UnixCommand drop(DropCommand({big_list}));
  HWND box = program_->WaitForOtherWindow("错误", 60000);
  ASSERT_NE(box, nullptr) << "no error box";

  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr) << "a box without owner";
  EXPECT_NE(Child(box, IDOK), nullptr);
  for (const int other : {IDCANCEL, IDYES, IDNO, IDRETRY, IDABORT, IDIGNORE}) {
    EXPECT_EQ(Child(box, other), nullptr) << "a single OK button, not " << other;
  }
  const std::string text = WindowText(Child(box, 0xFFFF));  // the box's message
  const std::string head = "运行时出错!\r\n\r\n错误信息：分配 ";
  const std::string end = " 字节内存失败!\r\n";
  ASSERT_EQ(text.substr(0, head.size()), head) << text;
  ASSERT_GE(text.size(), head.size() + end.size());
  ASSERT_EQ(text.substr(text.size() - end.size()), end) << text;
  const std::string digits = text.substr(head.size(), text.size() - head.size() - end.size());
  ASSERT_EQ(digits.find_first_not_of("0123456789"), std::string::npos) << digits;
  EXPECT_GE(std::stoull(digits), 400ull << 20) << "the size asked for";
  // While the box shows: the lines so far in the edit box, no new summary.
  EXPECT_EQ(EditText(), small.lines);
  EXPECT_EQ(Caption(), "提示 顺网文件路径:\\Diskless\\ClientConfig.xml");
  // The end button does nothing meanwhile.
  ClickAt(CentreOf(Control(kEndButtonId)));
  EXPECT_FALSE(program_->WaitForExit(500));
  SaveScreenshot("error-box.png");

  SetForegroundWindow(box);
  Settle();
  PressKeys({VK_RETURN});  // OK
  ASSERT_TRUE(program_->WaitForExit()) << "the program did not end after OK";
  EXPECT_EQ(program_->exit_code(), 0xFFFFFFFFu) << "-1, all bits set";
  EXPECT_EQ(program_->CountTraceLines(kExitCallbackTrace), 0);
  EXPECT_EQ(Output(), small.lines) << "exactly the lines written before the error";
  drop.Wait(30);
}

// A list whose name holds Chinese characters and blanks arrives under its
// GBK name, which names the file.
TEST_F(LiveDropTest, AListWithAChineseNameIsConverted) {
  const std::string list = run_directory_.File("客户机 列表 (1).ini");
  WriteBytes(list, Fixture("named_sections_gbk.ini"));
  Start();
  ASSERT_EQ(Drop({list}), 4);
  const std::string lines = Fixture("named_sections_gbk.expected");
  EXPECT_EQ(EditText(), lines);
  EXPECT_EQ(Output(), lines);
  EXPECT_EQ(Caption(), Summary("3条网众"));
  PressKeys({VK_ESCAPE});
  ExpectOrdinaryEnd();
}

// Netbar_MAC.txt lies next to the program, wherever that is and whatever
// the working directory the program was started in.
TEST_F(LiveDropTest, WritesNextToTheProgramWhereverItLies) {
  const ScratchDirectory unusual("网吧 R&D");
  struct Place {
    const char* name;
    std::string directory;
    std::string output;
  };
  const Place places[] = {
      {"a directory with & and GBK characters", unusual.path(), unusual.File("Netbar_MAC.txt")},
      {"the root of drive C", "C:", "C:\\Netbar_MAC.txt"},
  };
  for (const Place& place : places) {
    SCOPED_TRACE(place.name);
    Start(place.directory, run_directory_.path());
    ASSERT_EQ(Drop({FixturePath("mac_sections.ini")}), 4);
    EXPECT_EQ(Caption(), "3条云更新记录写出成功已保存到\r\n" + place.output);
    EXPECT_EQ(ReadBytes(place.output), Fixture("mac_sections.expected"));
    EXPECT_FALSE(Exists(run_directory_.File("Netbar_MAC.txt"))) << "not in the working directory";
    PressKeys({VK_ESCAPE});
    ExpectOrdinaryEnd();
    program_.reset();
    DeleteFileA(place.output.c_str());
    DeleteFileA((place.directory + "\\NetbarMac.exe").c_str());
  }
}

// The executable's resources: the icon group at 16 and 32 pixels, the
// version information and the application manifest.
TEST(NetbarMacExecutable, CarriesItsIconVersionInformationAndManifest) {
  HMODULE program = LoadLibraryExA(NETBAR_PROGRAM, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  HRSRC group = FindResourceA(program, "DEFAULT_ICON", MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */);
  ASSERT_NE(group, nullptr);
  auto* directory = static_cast<BYTE*>(LockResource(LoadResource(program, group)));
  for (const int size : {16, 32}) {
    SCOPED_TRACE(size);
    const int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
    HRSRC icon = FindResourceA(program, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(3) /* RT_ICON */);
    ASSERT_NE(icon, nullptr);
    const auto* header =
        static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(program, icon)));
    EXPECT_EQ(header->biWidth, size) << "an image drawn at this size";
  }
  EXPECT_NE(FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24) /* RT_MANIFEST */),
            nullptr);
  HRSRC version =
      FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16) /* RT_VERSION */);
  ASSERT_NE(version, nullptr);
  const auto* block = static_cast<const BYTE*>(LockResource(LoadResource(program, version)));
  const std::wstring text(reinterpret_cast<const wchar_t*>(block),
                          SizeofResource(program, version) / sizeof(wchar_t));
  EXPECT_NE(text.find(L"NetbarMac.exe"), std::wstring::npos);
  EXPECT_NE(text.find(L"\u7f51\u5427"), std::wstring::npos) << "the Chinese description";
  FreeLibrary(program);
}

}  // namespace
}  // namespace netbar::ui
