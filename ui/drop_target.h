// 拖放对象1: the window's OLE drop target. It accepts plain ANSI text and
// the shell's file list, and hands what was dropped to two callbacks:
//
//   TextDropped(text)   the plain text up to its NUL; not raised when the
//                       data also carries "HTML Format"
//   FilesDropped(text)  one path as it stands, or for several files every
//                       path followed by CR LF ("C:\a.ini\r\nC:\b.ini\r\n")
//
// Both run synchronously inside Drop, on the thread that registered the
// window. Drop answers E_FAIL in every case, also after a delivery, while
// *effect carries the DropEffectFor answer.
//
// Usage: OleInitialize on the UI thread, then RegisterDropTarget(window)
// once. The registration is kept for the life of the program, so the
// object must outlive the window; COM reference counting only counts, it
// never deletes. The data object is touched only inside the four calls.
// Once the program's event gate is raised, every drag is answered with no
// effect and nothing is delivered.
#pragma once

#include <ole2.h>
#include <windows.h>

#include <functional>

#include "text/text.h"

namespace netbar::ui {

class DropTarget final : public IDropTarget {
 public:
  using Callback = std::function<void(TextView)>;

  DropTarget(Callback text_dropped, Callback files_dropped);
  DropTarget(const DropTarget&) = delete;
  DropTarget& operator=(const DropTarget&) = delete;

  // Registers on `window` with RegisterDragDrop. False, without trying, when
  // a window is registered already; false when the system refuses (the
  // window stays recorded then, and no second attempt is made).
  bool RegisterDropTarget(HWND window);

  [[nodiscard]] HWND registered_window() const { return registered_window_; }
  [[nodiscard]] bool accepted() const { return accepted_; }
  [[nodiscard]] LONG reference_count() const { return references_; }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDropTarget
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD key_state, POINTL point,
                                      DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD key_state, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD key_state, POINTL point,
                                 DWORD* effect) override;

 private:
  void DeliverText(IDataObject* data);
  void DeliverFiles(IDataObject* data);

  Callback text_dropped_;
  Callback files_dropped_;
  HWND registered_window_ = nullptr;
  bool accepted_ = false;
  LONG references_ = 0;
  // Registered at construction. "HTML Format" is looked for although HTML
  // is not accepted: plain text that comes with HTML is not delivered.
  UINT html_format_;
  UINT url_format_;
};

}  // namespace netbar::ui
