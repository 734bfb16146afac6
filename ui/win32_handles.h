// The Win32 resources the window program touches, one small owner per kind.
// Each releases what it holds exactly once, in its destructor; none can be
// copied, so a resource never has two owners.
#pragma once

#include <ole2.h>
#include <windows.h>

#include <utility>

namespace netbar::ui {

// A GDI object made by the program (a font, a brush); deleted at the end.
// A stock object must never be held here.
template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }

  [[nodiscard]] Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset() {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = nullptr;
  }

 private:
  Handle handle_ = nullptr;
};

using FontHandle = GdiObject<HFONT>;

// BeginPaint ... EndPaint around one WM_PAINT.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;

  [[nodiscard]] HDC dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_ = nullptr;
};

// A device context from GetDC, given back with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  [[nodiscard]] HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back at the end.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// GlobalLock ... GlobalUnlock of a global memory block.
class GlobalLockScope {
 public:
  explicit GlobalLockScope(HGLOBAL memory)
      : memory_(memory), data_(memory != nullptr ? GlobalLock(memory) : nullptr) {}
  ~GlobalLockScope() {
    if (data_ != nullptr) GlobalUnlock(memory_);
  }
  GlobalLockScope(const GlobalLockScope&) = delete;
  GlobalLockScope& operator=(const GlobalLockScope&) = delete;

  [[nodiscard]] void* data() const { return data_; }
  // The block's size in bytes; 0 when it could not be locked.
  [[nodiscard]] SIZE_T size() const { return data_ != nullptr ? GlobalSize(memory_) : 0; }

 private:
  HGLOBAL memory_;
  void* data_;
};

// A global memory block the program allocated and still owns (it is freed
// unless ownership is handed over with Release, e.g. into a STGMEDIUM).
class GlobalMemory {
 public:
  GlobalMemory() = default;
  explicit GlobalMemory(HGLOBAL memory) : memory_(memory) {}
  ~GlobalMemory() {
    if (memory_ != nullptr) GlobalFree(memory_);
  }
  GlobalMemory(const GlobalMemory&) = delete;
  GlobalMemory& operator=(const GlobalMemory&) = delete;
  GlobalMemory(GlobalMemory&& other) noexcept : memory_(std::exchange(other.memory_, nullptr)) {}

  [[nodiscard]] HGLOBAL get() const { return memory_; }
  [[nodiscard]] HGLOBAL Release() { return std::exchange(memory_, nullptr); }

 private:
  HGLOBAL memory_ = nullptr;
};

// The storage medium a data object handed out; ReleaseStgMedium at the end.
class StorageMedium {
 public:
  StorageMedium() = default;
  ~StorageMedium() {
    if (medium_.tymed != TYMED_NULL) ReleaseStgMedium(&medium_);
  }
  StorageMedium(const StorageMedium&) = delete;
  StorageMedium& operator=(const StorageMedium&) = delete;

  // For IDataObject::GetData to fill.
  [[nodiscard]] STGMEDIUM* out() { return &medium_; }
  [[nodiscard]] HGLOBAL global() const {
    return medium_.tymed == TYMED_HGLOBAL ? medium_.hGlobal : nullptr;
  }

 private:
  STGMEDIUM medium_{};  // tymed TYMED_NULL: nothing to release
};

// One reference to a COM object, released at the end.
template <typename Interface>
class ComRef {
 public:
  ComRef() = default;
  // Takes over a reference the caller already holds.
  explicit ComRef(Interface* object) : object_(object) {}
  ~ComRef() {
    if (object_ != nullptr) object_->Release();
  }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;

  [[nodiscard]] Interface* get() const { return object_; }
  Interface* operator->() const { return object_; }
  [[nodiscard]] Interface** out() { return &object_; }

 private:
  Interface* object_ = nullptr;
};

// OleInitialize ... OleUninitialize on this thread, for code (tests) that
// ends by returning rather than through the program's end sequence.
class OleScope {
 public:
  OleScope() : initialised_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleScope() {
    if (initialised_) OleUninitialize();
  }
  OleScope(const OleScope&) = delete;
  OleScope& operator=(const OleScope&) = delete;

  [[nodiscard]] bool initialised() const { return initialised_; }

 private:
  bool initialised_;
};

}  // namespace netbar::ui
