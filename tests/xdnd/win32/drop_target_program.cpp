// A minimal OLE drop target that proves xdnd-drop end to end under Wine: a
// window with a known title and one child control, whose drop target writes
// what each drag delivered to a log file and ends the program once the drag
// is over (dropped or left).
//
//   xdnd-drop-target.exe LOG_FILE [accept|refuse|fail-drop]
//
//   accept     DragEnter and DragOver answer the first allowed effect (copy
//              before move before link); Drop returns S_OK.
//   refuse     DragEnter and DragOver answer DROPEFFECT_NONE, so the drag
//              source is told "no" and ends the drag with a leave.
//   fail-drop  Drop reads the files as usual, then returns E_FAIL.
//
// The log (CR LF lines, the paths in the ANSI code page) is written when
// the program ends:
//   DragEnter keys=<grfKeyState> allowed=<effects> hdrop=<0|1>
//   DragLeave
//   Drop keys=<grfKeyState> allowed=<effects> client=<x>,<y> over=<main|child>
//   file=<path>          one line per CF_HDROP entry, from DragQueryFileA
//   timeout              no drag ended within a minute
// client is the drop point in client coordinates; the client area is
// 400 x 300 pixels, the child control covers (10,10)-(210,90) of it.
// The exit code is 0 once a drag ended, 2 after the timeout, 1 when the
// program could not start or could not write the log.
#include <ole2.h>
#include <shellapi.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The colon is U+FF1A, as in the real program's title, so that its X11 name
// is compound text (or UTF-8) and not plain Latin-1.
constexpr char kTitle[] = "拖放目标---BY：测试";
constexpr char kClassName[] = "XdndDropTargetWindow";
constexpr int kClientWidth = 400;
constexpr int kClientHeight = 300;
constexpr UINT_PTR kGiveUpTimer = 1;
constexpr UINT kGiveUpMilliseconds = 60 * 1000;

enum class Mode { kAccept, kRefuse, kFailDrop };

struct Session {
  Mode mode = Mode::kAccept;
  HWND window = nullptr;
  HWND child = nullptr;
  std::string log;
  int exit_code = 0;

  void Line(const std::string& line) { log += line + "\r\n"; }
};

// OleInitialize on construction, OleUninitialize on destruction when it
// succeeded.
class OleSession {
 public:
  OleSession() : result_(OleInitialize(nullptr)) {}
  ~OleSession() {
    if (SUCCEEDED(result_)) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;
  [[nodiscard]] HRESULT result() const { return result_; }

 private:
  HRESULT result_;
};

// A storage medium filled by IDataObject::GetData, released once.
class StorageMedium {
 public:
  StorageMedium() = default;
  ~StorageMedium() {
    if (filled_) ReleaseStgMedium(&medium_);
  }
  StorageMedium(const StorageMedium&) = delete;
  StorageMedium& operator=(const StorageMedium&) = delete;

  [[nodiscard]] HRESULT Fill(IDataObject* data, FORMATETC* format) {
    const HRESULT result = data->GetData(format, &medium_);
    filled_ = SUCCEEDED(result);
    return result;
  }
  [[nodiscard]] HGLOBAL global() const { return medium_.hGlobal; }

 private:
  STGMEDIUM medium_{};
  bool filled_ = false;
};

FORMATETC HdropFormat() {
  return FORMATETC{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

std::string Hex(HRESULT result) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(result));
  return text;
}

// Lives on RunWindow's stack; RevokeDragDrop drops OLE's references before
// it goes, so the reference count only has to be kept, not acted on.
class LoggingDropTarget final : public IDropTarget {
 public:
  explicit LoggingDropTarget(Session& session) : session_(session) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
      *object = static_cast<IDropTarget*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override { return InterlockedDecrement(&references_); }

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL,
                                      DWORD* effect) override {
    FORMATETC format = HdropFormat();
    const bool has_hdrop = data->QueryGetData(&format) == S_OK;
    session_.Line("DragEnter keys=" + std::to_string(keys) + " allowed=" + std::to_string(*effect) +
                  " hdrop=" + (has_hdrop ? "1" : "0"));
    *effect = Choose(*effect);
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
    *effect = Choose(*effect);
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE DragLeave() override {
    session_.Line("DragLeave");
    PostQuitMessage(0);
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point,
                                 DWORD* effect) override {
    POINT client{point.x, point.y};
    ScreenToClient(session_.window, &client);
    const HWND over = ChildWindowFromPointEx(session_.window, client, CWP_SKIPINVISIBLE);
    session_.Line("Drop keys=" + std::to_string(keys) + " allowed=" + std::to_string(*effect) +
                  " client=" + std::to_string(client.x) + "," + std::to_string(client.y) +
                  " over=" + (over == session_.child ? "child" : "main"));
    LogFiles(data);
    *effect = Choose(*effect);
    PostQuitMessage(0);
    return session_.mode == Mode::kFailDrop ? E_FAIL : S_OK;
  }

 private:
  [[nodiscard]] DWORD Choose(DWORD allowed) const {
    if (session_.mode == Mode::kRefuse) return DROPEFFECT_NONE;
    for (const DWORD effect : {DROPEFFECT_COPY, DROPEFFECT_MOVE, DROPEFFECT_LINK}) {
      if (allowed & effect) return effect;
    }
    return DROPEFFECT_NONE;
  }

  void LogFiles(IDataObject* data) {
    FORMATETC format = HdropFormat();
    StorageMedium medium;
    const HRESULT result = medium.Fill(data, &format);
    if (FAILED(result)) {
      session_.Line("no CF_HDROP: GetData answered " + Hex(result));
      return;
    }
    const auto drop = static_cast<HDROP>(medium.global());
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      const UINT length = DragQueryFileA(drop, i, nullptr, 0);
      std::string path(length + 1, '\0');
      DragQueryFileA(drop, i, path.data(), length + 1);
      path.resize(length);
      session_.Line("file=" + path);
    }
  }

  Session& session_;
  LONG references_ = 1;
};

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* session = reinterpret_cast<Session*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_TIMER:
      if (session != nullptr && wparam == kGiveUpTimer) {
        session->Line("timeout");
        session->exit_code = 2;
        PostQuitMessage(0);
        return 0;
      }
      break;
    case WM_CLOSE:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

bool WriteLog(const char* path, const std::string& log) {
  const HANDLE file =
      CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool wrote =
      WriteFile(file, log.data(), static_cast<DWORD>(log.size()), &written, nullptr) &&
      written == log.size();
  return CloseHandle(file) && wrote;
}

bool ParseMode(const char* text, Mode& mode) {
  if (std::strcmp(text, "accept") == 0) {
    mode = Mode::kAccept;
  } else if (std::strcmp(text, "refuse") == 0) {
    mode = Mode::kRefuse;
  } else if (std::strcmp(text, "fail-drop") == 0) {
    mode = Mode::kFailDrop;
  } else {
    return false;
  }
  return true;
}

int RunWindow(Session& session, HINSTANCE instance) {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = WindowProcedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kClassName;
  if (RegisterClassA(&window_class) == 0) {
    session.Line("error: RegisterClassA failed");
    return 1;
  }
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
  session.window = CreateWindowExA(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW, 100, 100,
                                   frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                   nullptr, instance, &session);
  if (session.window == nullptr) {
    session.Line("error: CreateWindowExA failed");
    return 1;
  }
  // A child in the top-left part of the client area, so that a drop aimed
  // at a control can be told from one on the window itself.
  session.child = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 10, 200,
                                  80, session.window, nullptr, instance, nullptr);

  LoggingDropTarget target(session);
  // Registered before the window is shown: once it is visible on X, a drop
  // finds the target.
  const HRESULT registered = RegisterDragDrop(session.window, &target);
  if (FAILED(registered)) {
    session.Line("error: RegisterDragDrop answered " + Hex(registered));
    DestroyWindow(session.window);
    return 1;
  }
  ShowWindow(session.window, SW_SHOWNORMAL);
  UpdateWindow(session.window);
  SetTimer(session.window, kGiveUpTimer, kGiveUpMilliseconds, nullptr);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  RevokeDragDrop(session.window);
  DestroyWindow(session.window);
  return session.exit_code;
}

}  // namespace

int main(int argc, char** argv) {
  Session session;
  if (argc < 2 || argc > 3 || (argc == 3 && !ParseMode(argv[2], session.mode))) return 1;
  int exit_code = 1;
  {
    OleSession ole;
    if (FAILED(ole.result())) {
      session.Line("error: OleInitialize answered " + Hex(ole.result()));
    } else {
      exit_code = RunWindow(session, GetModuleHandleA(nullptr));
    }
  }
  if (!WriteLog(argv[1], session.log)) return 1;
  return exit_code;
}
