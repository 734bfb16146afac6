#include "x11_display.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <langinfo.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace netbar::xdnd {
namespace {

struct RecordedError {
  bool present = false;
  XErrorEvent event{};
};
RecordedError recorded_error;

int RecordError(Display*, XErrorEvent* event) {
  if (!recorded_error.present) {
    recorded_error.present = true;
    recorded_error.event = *event;
  }
  return 0;
}

int ReportLostConnection(Display*) {
  std::fputs("xdnd-drop: lost the connection to the X server\n", stderr);
  std::exit(2);
}

[[nodiscard]] bool IsUtf8Codeset() { return std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0; }

}  // namespace

std::optional<XDisplay> XDisplay::Open() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return std::nullopt;
  XSetErrorHandler(RecordError);
  XSetIOErrorHandler(ReportLostConnection);
  return XDisplay(display);
}

XDisplay::~XDisplay() {
  if (display_ != nullptr) XCloseDisplay(display_);
}

XDisplay::XDisplay(XDisplay&& other) noexcept : display_(std::exchange(other.display_, nullptr)) {}

XDisplay& XDisplay::operator=(XDisplay&& other) noexcept {
  if (this != &other) {
    if (display_ != nullptr) XCloseDisplay(display_);
    display_ = std::exchange(other.display_, nullptr);
  }
  return *this;
}

std::optional<std::string> XDisplay::TakeError() const {
  XSync(display_, False);
  if (!recorded_error.present) return std::nullopt;
  const XErrorEvent event = recorded_error.event;
  recorded_error = {};
  char text[256] = "";
  XGetErrorText(display_, event.error_code, text, sizeof text);
  char request[64];
  std::snprintf(request, sizeof request, "%d", event.request_code);
  char request_name[256] = "";
  XGetErrorDatabaseText(display_, "XRequest", request, request, request_name, sizeof request_name);
  return std::string(text) + " (request " + request_name + ", resource " +
         WindowIdText(event.resourceid) + ")";
}

std::optional<Property> ReadProperty(const XDisplay& display, Window window, Atom property) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long left = 0;
  unsigned char* data = nullptr;
  // The length is counted in 32-bit units; this asks for all of it.
  const int status = XGetWindowProperty(display.get(), window, property, 0, 0x1FFFFFFF, False,
                                        AnyPropertyType, &type, &format, &count, &left, &data);
  if (status != Success || type == None) {
    if (data != nullptr) XFree(data);
    return std::nullopt;
  }
  Property value;
  value.type = type;
  value.format = format;
  if (format == 8) {
    value.bytes.assign(reinterpret_cast<const char*>(data), count);
  } else if (format == 32) {
    // Xlib hands 32-bit items over as longs, whatever the size of long.
    const auto* items = reinterpret_cast<const unsigned long*>(data);
    value.items.assign(items, items + count);
  }
  XFree(data);
  return value;
}

std::vector<std::string> WindowTitles(const XDisplay& display, Window window) {
  std::vector<std::string> titles;
  const Atom utf8_string = display.atom("UTF8_STRING");
  if (const std::optional<Property> net_name =
          ReadProperty(display, window, display.atom("_NET_WM_NAME"));
      net_name && net_name->type == utf8_string && net_name->format == 8) {
    titles.push_back(net_name->bytes);
  }

  XTextProperty name{};
  if (XGetTextProperty(display.get(), window, &name, XA_WM_NAME) != 0 && name.value != nullptr) {
    if (name.encoding == utf8_string && name.format == 8) {
      titles.emplace_back(reinterpret_cast<const char*>(name.value), name.nitems);
    } else {
      char** list = nullptr;
      int count = 0;
      if (Xutf8TextPropertyToTextList(display.get(), &name, &list, &count) == Success) {
        std::string decoded;
        for (int i = 0; i < count; ++i) decoded += list[i];
        titles.push_back(decoded);
      }
      if (list != nullptr) XFreeStringList(list);
    }
    XFree(name.value);
  }
  return titles;
}

std::string ChooseUtf8Locale() {
  std::setlocale(LC_ALL, "");
  if (IsUtf8Codeset() && XSupportsLocale()) return std::setlocale(LC_CTYPE, nullptr);
  for (const char* candidate : {"C.UTF-8", "en_US.UTF-8"}) {
    if (std::setlocale(LC_CTYPE, candidate) != nullptr && XSupportsLocale()) return candidate;
  }
  std::setlocale(LC_ALL, "");
  const char* fallback = std::setlocale(LC_CTYPE, nullptr);
  return std::string(fallback != nullptr ? fallback : "C") + " (no UTF-8 locale available)";
}

std::string WindowIdText(Window window) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%lx", static_cast<unsigned long>(window));
  return text;
}

}  // namespace netbar::xdnd
