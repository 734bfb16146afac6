// GoogleTest first: Xlib defines None as a macro, which breaks gtest's
// own None type when Xlib comes before.
#include <gtest/gtest.h>

#include "x11_window_search.h"

#include <X11/Xatom.h>

namespace netbar::xdnd {
namespace {

// Real windows on the X server of $DISPLAY (a virtual one under
// `make test-xdnd`), override-redirect so that no window manager moves
// them. One connection serves every test: an X server resets when its last
// client leaves, and a connection tried during the reset is refused.
class X11WindowSearch : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ChooseUtf8Locale();
    shared_ = XDisplay::Open();
  }
  static void TearDownTestSuite() { shared_.reset(); }
  void SetUp() override {
    if (!shared_) GTEST_SKIP() << "needs an X display (make test-xdnd starts one)";
    display_ = &*shared_;
  }
  void TearDown() override {
    for (const Window window : made_) XDestroyWindow(display_->get(), window);
    if (display_ != nullptr) XSync(display_->get(), False);
  }

  Window Make(Window parent, int x, int y, int width, int height, bool map = true) {
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    const Window window =
        XCreateWindow(display_->get(), parent, x, y, width, height, 0, CopyFromParent, InputOutput,
                      CopyFromParent, CWOverrideRedirect, &attributes);
    if (map) XMapWindow(display_->get(), window);
    XSync(display_->get(), False);
    if (parent == display_->root()) made_.push_back(window);
    return window;
  }
  Window MakeTopLevel(int x, int y, int width, int height, bool map = true) {
    return Make(display_->root(), x, y, width, height, map);
  }

  void SetAware(Window window, long version) {
    XChangeProperty(display_->get(), window, display_->atom("XdndAware"), XA_ATOM, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&version), 1);
  }
  void SetProxy(Window window, Window proxy) {
    const long value = static_cast<long>(proxy);
    XChangeProperty(display_->get(), window, display_->atom("XdndProxy"), XA_WINDOW, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&value), 1);
  }
  void SetBytes(Window window, const char* property, Atom type, const std::string& bytes) {
    XChangeProperty(display_->get(), window, display_->atom(property), type, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(bytes.data()),
                    static_cast<int>(bytes.size()));
    XSync(display_->get(), False);
  }

  static inline std::optional<XDisplay> shared_;
  const XDisplay* display_ = nullptr;
  std::vector<Window> made_;
};

// "拖放目标：" as Wine writes a title in the GBK locale: an extended segment
// of compound text naming the charset "gbk-0", with the GBK bytes.
std::string WineCompoundText() {
  const std::string gbk = "\xCD\xCF\xB7\xC5\xC4\xBF\xB1\xEA\xA3\xBA";
  const std::string segment = std::string("gbk-0") + '\x02' + gbk;
  return std::string("\x1B%/2") + static_cast<char>(0x80 + segment.size() / 128) +
         static_cast<char>(0x80 + segment.size() % 128) + segment + "\x1B(B-BY";
}

TEST_F(X11WindowSearch, FindsATitleInEachEncoding) {
  struct Case {
    const char* what;
    const char* property;
    const char* type;
    std::string stored;
    std::string title;  // UTF-8
  } cases[] = {
      {"compound text with a gbk-0 segment, as Wine writes it", "WM_NAME", "COMPOUND_TEXT",
       WineCompoundText(), "拖放目标：-BY"},
      {"Latin-1 STRING", "WM_NAME", "STRING", "Caf\xE9 list", "Café list"},
      {"UTF8_STRING in WM_NAME", "WM_NAME", "UTF8_STRING", "客户：列表", "客户：列表"},
      {"_NET_WM_NAME only", "_NET_WM_NAME", "UTF8_STRING", "Kestrova---BY：Tamberlo",
       "Kestrova---BY：Tamberlo"},
  };
  int x = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Window window = MakeTopLevel(x += 20, 10, 10, 10);
    SetBytes(window, c.property, display_->atom(c.type), c.stored);
    const TitleSearch search = FindViewableWindowsTitled(*display_, c.title);
    EXPECT_EQ(search.matches, std::vector<Window>{window});
  }
}

TEST_F(X11WindowSearch, SkipsWindowsThatAreNotViewable) {
  const std::string title = "hidden target";
  const Window unmapped = MakeTopLevel(300, 10, 10, 10, /*map=*/false);
  SetBytes(unmapped, "_NET_WM_NAME", display_->atom("UTF8_STRING"), title);
  const Window inside_unmapped = Make(unmapped, 0, 0, 5, 5);
  SetBytes(inside_unmapped, "_NET_WM_NAME", display_->atom("UTF8_STRING"), title);
  EXPECT_TRUE(FindViewableWindowsTitled(*display_, title).matches.empty());

  // A frame around the titled window, as a window manager makes, is no
  // obstacle.
  const Window frame = MakeTopLevel(320, 10, 20, 20);
  const Window client = Make(frame, 2, 2, 10, 10);
  SetBytes(client, "_NET_WM_NAME", display_->atom("UTF8_STRING"), title);
  EXPECT_EQ(FindViewableWindowsTitled(*display_, title).matches, std::vector<Window>{client});
}

TEST_F(X11WindowSearch, DropTargetIsTheDeepestAwareWindowUnderThePoint) {
  const Window top = MakeTopLevel(100, 100, 200, 200);
  const Window aware = Make(top, 10, 10, 80, 80);
  SetAware(aware, 5);
  const Window deeper = Make(aware, 0, 0, 20, 20);
  SetAware(deeper, 4);
  XSync(display_->get(), False);

  const std::optional<DropTarget> in_deeper = FindDropTargetAt(*display_, 115, 115);
  ASSERT_TRUE(in_deeper.has_value());
  EXPECT_EQ(in_deeper->window, deeper);
  EXPECT_EQ(in_deeper->deliver_to, deeper);
  EXPECT_EQ(in_deeper->version, 4);

  const std::optional<DropTarget> in_aware = FindDropTargetAt(*display_, 150, 150);
  ASSERT_TRUE(in_aware.has_value());
  EXPECT_EQ(in_aware->window, aware);
  EXPECT_EQ(in_aware->version, 5);

  EXPECT_FALSE(FindDropTargetAt(*display_, 250, 250).has_value());
  EXPECT_TRUE(IsSameOrInside(*display_, deeper, top));
  EXPECT_TRUE(IsSameOrInside(*display_, top, top));
  EXPECT_FALSE(IsSameOrInside(*display_, top, deeper));
}

TEST_F(X11WindowSearch, HonoursAProxyThatNamesItself) {
  const Window proxy = MakeTopLevel(0, 0, 1, 1, /*map=*/false);
  SetProxy(proxy, proxy);
  SetAware(proxy, 5);
  const Window window = MakeTopLevel(400, 100, 50, 50);
  SetProxy(window, proxy);
  XSync(display_->get(), False);

  const std::optional<DropTarget> target = FindDropTargetAt(*display_, 410, 110);
  ASSERT_TRUE(target.has_value());
  EXPECT_EQ(target->window, window);
  EXPECT_EQ(target->deliver_to, proxy);
  EXPECT_EQ(target->version, 5);
}

TEST_F(X11WindowSearch, IgnoresAStaleProxy) {
  const Window stale = MakeTopLevel(0, 0, 1, 1, /*map=*/false);
  SetAware(stale, 5);  // aware, but it does not name itself as a proxy
  const Window window = MakeTopLevel(500, 100, 50, 50);
  SetProxy(window, stale);
  SetAware(window, 3);
  const Window gone = MakeTopLevel(600, 100, 50, 50);
  SetProxy(gone, 0x7FFFFFF);  // no such window
  SetAware(gone, 5);
  XSync(display_->get(), False);

  const std::optional<DropTarget> target = FindDropTargetAt(*display_, 510, 110);
  ASSERT_TRUE(target.has_value());
  EXPECT_EQ(target->deliver_to, window);
  EXPECT_EQ(target->version, 3);
  const std::optional<DropTarget> despite_gone = FindDropTargetAt(*display_, 610, 110);
  ASSERT_TRUE(despite_gone.has_value());
  EXPECT_EQ(despite_gone->deliver_to, gone);
  EXPECT_FALSE(display_->TakeError().has_value());
}

}  // namespace
}  // namespace netbar::xdnd
