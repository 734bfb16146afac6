#include "ui/drop_target.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "tests/ui/shell_data_object.h"
#include "ui/win32_handles.h"

namespace netbar::ui {
namespace {

using testing::AnsiFileList;
using testing::ShellDataObject;
using testing::WideFileList;

const UINT kHtmlFormat = RegisterClipboardFormatA("HTML Format");
const UINT kUrlFormat = RegisterClipboardFormatA("UniformResourceLocator");
constexpr DWORD kAnyEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

struct Delivered {
  std::vector<std::string> texts;
  std::vector<std::string> files;
};

class DropTargetTest : public ::testing::Test {
 protected:
  DropTargetTest()
      : target_([this](TextView text) { delivered_.texts.emplace_back(text); },
                [this](TextView files) { delivered_.files.emplace_back(files); }) {}

  // A whole drag: enter, one move, then the drop. Gives Drop's answer and
  // leaves the effects answered in `entered` and `dropped`.
  HRESULT DragAndDrop(ShellDataObject& data, DWORD key_state, DWORD allowed) {
    entered_ = allowed;
    EXPECT_EQ(target_.DragEnter(&data, key_state, {10, 10}, &entered_), S_OK);
    DWORD over = allowed;
    EXPECT_EQ(target_.DragOver(key_state, {12, 12}, &over), S_OK);
    EXPECT_EQ(over, entered_);
    dropped_ = allowed;
    return target_.Drop(&data, key_state, {12, 12}, &dropped_);
  }

  Delivered delivered_;
  DropTarget target_;
  DWORD entered_ = 0;
  DWORD dropped_ = 0;
};

TEST_F(DropTargetTest, OneFileIsDeliveredAsItsPathUnchanged) {
  ShellDataObject data;
  data.Put(CF_HDROP, AnsiFileList({"C:\\Diskless\\ClientConfig.xml"}));
  EXPECT_EQ(DragAndDrop(data, 0, kAnyEffect), E_FAIL);
  EXPECT_EQ(entered_, DWORD{DROPEFFECT_COPY});
  EXPECT_EQ(dropped_, DWORD{DROPEFFECT_COPY});
  ASSERT_EQ(delivered_.files.size(), 1u);
  EXPECT_EQ(delivered_.files[0], "C:\\Diskless\\ClientConfig.xml");
  EXPECT_TRUE(delivered_.texts.empty());
}

TEST_F(DropTargetTest, SeveralFilesAreDeliveredOnceEachPathEndingInCrLf) {
  ShellDataObject data;
  data.Put(CF_HDROP, AnsiFileList({"C:\\a.ini", "C:\\b.ini"}));
  EXPECT_EQ(DragAndDrop(data, 0, kAnyEffect), E_FAIL);
  ASSERT_EQ(delivered_.files.size(), 1u);
  EXPECT_EQ(delivered_.files[0], "C:\\a.ini\r\nC:\\b.ini\r\n");
}

TEST_F(DropTargetTest, AnEmptyFileListDeliversAnEmptyText) {
  ShellDataObject data;
  data.Put(CF_HDROP, AnsiFileList({}));
  EXPECT_EQ(DragAndDrop(data, 0, kAnyEffect), E_FAIL);
  ASSERT_EQ(delivered_.files.size(), 1u);
  EXPECT_EQ(delivered_.files[0], "");
}

TEST_F(DropTargetTest, WidePathsArriveInTheAnsiCodePage) {
  // The shell builds the list in UTF-16; the program works in GBK bytes.
  ShellDataObject data;
  data.Put(CF_HDROP, WideFileList({L"C:\\\u7f51\u5427\\\u5ba2\u6237\u673a.ini"}));
  EXPECT_EQ(DragAndDrop(data, 0, kAnyEffect), E_FAIL);
  ASSERT_EQ(delivered_.files.size(), 1u);
  EXPECT_EQ(delivered_.files[0], "C:\\网吧\\客户机.ini");  // GBK literal in this build
}

TEST_F(DropTargetTest, LongPathsAreNotCut) {
  std::string path = "C:";
  while (path.size() < 600) path += "\\a-rather-long-directory-name";
  path += "\\list.ini";
  ShellDataObject data;
  data.Put(CF_HDROP, AnsiFileList({path}));
  EXPECT_EQ(DragAndDrop(data, 0, kAnyEffect), E_FAIL);
  ASSERT_EQ(delivered_.files.size(), 1u);
  EXPECT_EQ(delivered_.files[0], path);
}

TEST_F(DropTargetTest, PlainTextIsDeliveredUpToItsNul) {
  ShellDataObject data;
  data.Put(CF_TEXT, std::string("MAC=00-11\r\nname\0trailing", 25));
  EXPECT_EQ(DragAndDrop(data, 0, kAnyEffect), E_FAIL);
  ASSERT_EQ(delivered_.texts.size(), 1u);
  EXPECT_EQ(delivered_.texts[0], "MAC=00-11\r\nname");
  EXPECT_TRUE(delivered_.files.empty());
}

TEST_F(DropTargetTest, TextWithoutNulEndsAtTheBlock) {
  ShellDataObject data;
  data.Put(CF_TEXT, "abc");
  EXPECT_EQ(DragAndDrop(data, 0, kAnyEffect), E_FAIL);
  ASSERT_EQ(delivered_.texts.size(), 1u);
  EXPECT_EQ(delivered_.texts[0].substr(0, 3), "abc");
}

TEST_F(DropTargetTest, TextThatComesWithHtmlIsNotDelivered) {
  ShellDataObject data;
  data.Put(CF_TEXT, std::string("some text\0", 10));
  data.Put(kHtmlFormat, "Version:0.9\r\nStartHTML:0\r\n<b>some text</b>");
  EXPECT_EQ(DragAndDrop(data, 0, kAnyEffect), E_FAIL);
  EXPECT_EQ(dropped_, DWORD{DROPEFFECT_COPY});
  EXPECT_TRUE(delivered_.texts.empty());
  EXPECT_TRUE(delivered_.files.empty());
}

TEST_F(DropTargetTest, TextAndFilesInOneDropRaiseBothEvents) {
  ShellDataObject data;
  data.Put(CF_TEXT, std::string("x\0", 2));
  data.Put(CF_HDROP, AnsiFileList({"C:\\a.ini"}));
  EXPECT_EQ(DragAndDrop(data, 0, kAnyEffect), E_FAIL);
  EXPECT_EQ(delivered_.texts, std::vector<std::string>{"x"});
  EXPECT_EQ(delivered_.files, std::vector<std::string>{"C:\\a.ini"});
}

TEST_F(DropTargetTest, AFormatThatCannotBeGivenIsSkipped) {
  ShellDataObject data;
  data.Announce(CF_TEXT);
  data.Put(CF_HDROP, AnsiFileList({"C:\\a.ini"}));
  EXPECT_EQ(DragAndDrop(data, 0, kAnyEffect), E_FAIL);
  EXPECT_TRUE(delivered_.texts.empty());
  EXPECT_EQ(delivered_.files, std::vector<std::string>{"C:\\a.ini"});
}

TEST_F(DropTargetTest, DataWithoutTextOrFilesIsNotAccepted) {
  ShellDataObject data;
  data.Put(kHtmlFormat, "<b>x</b>");
  data.Put(kUrlFormat, "http://example.invalid/");
  data.Put(CF_UNICODETEXT, std::string("x\0\0\0", 4));
  EXPECT_EQ(DragAndDrop(data, 0, kAnyEffect), E_FAIL);
  EXPECT_FALSE(target_.accepted());
  EXPECT_EQ(entered_, DWORD{DROPEFFECT_NONE});
  EXPECT_EQ(dropped_, DWORD{DROPEFFECT_NONE});
  EXPECT_TRUE(delivered_.texts.empty());
  EXPECT_TRUE(delivered_.files.empty());
  EXPECT_TRUE(data.fetched().empty());
}

TEST_F(DropTargetTest, DragEnterAsksForTextThenFilesAndStopsAtTheFirstFound) {
  ShellDataObject files_only;
  files_only.Put(CF_HDROP, AnsiFileList({"C:\\a.ini"}));
  DWORD effect = kAnyEffect;
  ASSERT_EQ(target_.DragEnter(&files_only, 0, {0, 0}, &effect), S_OK);
  EXPECT_EQ(files_only.queried(), (std::vector<UINT>{CF_TEXT, CF_HDROP}));
  EXPECT_TRUE(files_only.fetched().empty());  // nothing is taken before the drop
  target_.DragLeave();

  ShellDataObject text_and_files;
  text_and_files.Put(CF_TEXT, std::string("x\0", 2));
  text_and_files.Put(CF_HDROP, AnsiFileList({"C:\\a.ini"}));
  effect = kAnyEffect;
  ASSERT_EQ(target_.DragEnter(&text_and_files, 0, {0, 0}, &effect), S_OK);
  EXPECT_EQ(text_and_files.queried(), std::vector<UINT>{CF_TEXT});
}

TEST_F(DropTargetTest, DragLeaveClearsTheAcceptedFlagAndDropKeepsIt) {
  ShellDataObject data;
  data.Put(CF_HDROP, AnsiFileList({"C:\\a.ini"}));
  DWORD effect = kAnyEffect;
  target_.DragEnter(&data, 0, {0, 0}, &effect);
  EXPECT_TRUE(target_.accepted());
  target_.DragLeave();
  EXPECT_FALSE(target_.accepted());
  effect = kAnyEffect;
  EXPECT_EQ(target_.DragOver(0, {0, 0}, &effect), S_OK);
  EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});

  target_.DragEnter(&data, 0, {0, 0}, &effect);
  effect = kAnyEffect;
  target_.Drop(&data, 0, {0, 0}, &effect);
  EXPECT_TRUE(target_.accepted());
}

// Each key combination against each set of allowed effects, through the
// whole drag: the effect of enter, over and drop, and whether files arrive.
TEST_F(DropTargetTest, KeysAndAllowedEffectsDecideTheDropEffectAndTheDelivery) {
  struct Case {
    const char* keys;
    DWORD key_state;
  };
  const Case cases[] = {{"none", 0},         {"Ctrl", MK_CONTROL},
                        {"Shift", MK_SHIFT}, {"Ctrl+Shift", MK_CONTROL | MK_SHIFT},
                        {"Alt", MK_ALT},     {"Ctrl+Alt", MK_CONTROL | MK_ALT}};
  const DWORD C = DROPEFFECT_COPY, M = DROPEFFECT_MOVE, L = DROPEFFECT_LINK;
  for (const Case& keys : cases) {
    for (const DWORD allowed : {DWORD{0}, C, M, L, C | M, C | L, M | L, C | M | L}) {
      SCOPED_TRACE(std::string(keys.keys) + " allowed=" + std::to_string(allowed));
      const bool ctrl = keys.key_state & MK_CONTROL, shift = keys.key_state & MK_SHIFT;
      DWORD expected = DROPEFFECT_NONE;
      if (ctrl && !shift) expected = allowed & C;
      if (shift && !ctrl) expected = allowed & M;
      if (!ctrl && !shift) expected = (allowed & C) ? C : (allowed & M) ? M : (allowed & L);
      delivered_ = {};
      ShellDataObject data;
      data.Put(CF_HDROP, AnsiFileList({"C:\\a.ini"}));
      EXPECT_EQ(DragAndDrop(data, keys.key_state, allowed), E_FAIL);
      EXPECT_EQ(entered_, expected);
      EXPECT_EQ(dropped_, expected);
      EXPECT_EQ(delivered_.files.size(), expected == DROPEFFECT_NONE ? 0u : 1u);
    }
  }
}

TEST_F(DropTargetTest, TheDataObjectIsNotKeptPastTheDrop) {
  ShellDataObject data;
  data.Put(CF_TEXT, std::string("x\0", 2));
  data.Put(CF_HDROP, AnsiFileList({"C:\\a.ini"}));
  EXPECT_EQ(DragAndDrop(data, 0, kAnyEffect), E_FAIL);
  EXPECT_EQ(data.outstanding_references(), 0);
}

TEST(DropTargetRegistration, RegistersOnceAndNeverReplacesTheFirstWindow) {
  const OleScope ole;
  ASSERT_TRUE(ole.initialised());
  HWND first =
      CreateWindowExA(0, "STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  HWND second =
      CreateWindowExA(0, "STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  DropTarget target([](TextView) {}, [](TextView) {});
  EXPECT_TRUE(target.RegisterDropTarget(first));
  EXPECT_FALSE(target.RegisterDropTarget(second));
  EXPECT_EQ(target.registered_window(), first);
  // The second window has no target: registering another one there works.
  DropTarget other([](TextView) {}, [](TextView) {});
  EXPECT_TRUE(other.RegisterDropTarget(second));
  RevokeDragDrop(first);
  RevokeDragDrop(second);
  DestroyWindow(first);
  DestroyWindow(second);
}

TEST(DropTargetRegistration, ARefusedRegistrationKeepsTheWindow) {
  // Without OLE on the thread, RegisterDragDrop refuses.
  DropTarget target([](TextView) {}, [](TextView) {});
  HWND window =
      CreateWindowExA(0, "STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  EXPECT_FALSE(target.RegisterDropTarget(window));
  EXPECT_EQ(target.registered_window(), window);
  EXPECT_FALSE(target.RegisterDropTarget(window));
  DestroyWindow(window);
}

}  // namespace
}  // namespace netbar::ui
