// The X11 connection and the small Xlib helpers the drag source needs.
//
// Xlib reports protocol errors (a window destroyed under us, a bad id)
// through one process-wide handler, whose default ends the process. Opening
// an XDisplay installs a handler that records the first error instead;
// TakeError() flushes the request queue and hands it over, so a caller can
// turn it into a clear message. A lost connection still ends the process,
// after saying so.
#pragma once

#include <X11/Xlib.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace netbar::xdnd {

class XDisplay {
 public:
  // The display named by $DISPLAY, or nothing when it cannot be opened.
  [[nodiscard]] static std::optional<XDisplay> Open();
  ~XDisplay();
  XDisplay(XDisplay&& other) noexcept;
  XDisplay& operator=(XDisplay&& other) noexcept;
  XDisplay(const XDisplay&) = delete;
  XDisplay& operator=(const XDisplay&) = delete;

  [[nodiscard]] Display* get() const { return display_; }
  [[nodiscard]] Window root() const { return DefaultRootWindow(display_); }
  [[nodiscard]] Atom atom(const char* name) const { return XInternAtom(display_, name, False); }

  // The first X error since the last call, described; nothing when there
  // was none. Waits until the server has handled every request sent.
  [[nodiscard]] std::optional<std::string> TakeError() const;

 private:
  explicit XDisplay(Display* display) : display_(display) {}
  Display* display_;
};

// A window property as stored: the bytes of an 8-bit property, or the
// items of a 32-bit one (atoms, window ids, numbers).
struct Property {
  Atom type = None;
  int format = 0;
  std::string bytes;
  std::vector<unsigned long> items;
};

// The whole property, or nothing when it is absent or the window is gone.
[[nodiscard]] std::optional<Property> ReadProperty(const XDisplay& display, Window window,
                                                   Atom property);

// The window's titles in UTF-8: _NET_WM_NAME, then WM_NAME decoded from
// whatever encoding it is stored in (STRING, COMPOUND_TEXT, UTF8_STRING).
// A title that cannot be decoded in this locale is left out.
[[nodiscard]] std::vector<std::string> WindowTitles(const XDisplay& display, Window window);

// Makes Xlib's text conversions use a UTF-8 locale when the environment's
// is not one, so that compound text (which Wine writes in a GBK locale)
// decodes to UTF-8. Says which locale it settled on.
std::string ChooseUtf8Locale();

[[nodiscard]] std::string WindowIdText(Window window);

}  // namespace netbar::xdnd
