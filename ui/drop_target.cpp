#include "ui/drop_target.h"

#include <shellapi.h>

#include <cstring>
#include <string>

#include "app/program_end.h"
#include "ui/drop_effect.h"
#include "ui/win32_handles.h"

namespace netbar::ui {
namespace {

// The settings of this program's drop target.
constexpr bool kAcceptText = true;
constexpr bool kAcceptFiles = true;
constexpr bool kAcceptHtml = false;
constexpr bool kAcceptUrl = false;

FORMATETC GlobalFormat(UINT format) {
  return FORMATETC{static_cast<CLIPFORMAT>(format), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

bool CanGive(IDataObject* data, UINT format) {
  FORMATETC wanted = GlobalFormat(format);
  return data != nullptr && data->QueryGetData(&wanted) == S_OK;
}

bool Take(IDataObject* data, UINT format, StorageMedium& medium) {
  FORMATETC wanted = GlobalFormat(format);
  return data->GetData(&wanted, medium.out()) == S_OK && medium.global() != nullptr;
}

}  // namespace

DropTarget::DropTarget(Callback text_dropped, Callback files_dropped)
    : text_dropped_(std::move(text_dropped)),
      files_dropped_(std::move(files_dropped)),
      html_format_(RegisterClipboardFormatA("HTML Format")),
      url_format_(RegisterClipboardFormatA("UniformResourceLocator")) {}

bool DropTarget::RegisterDropTarget(HWND window) {
  if (registered_window_ != nullptr) return false;
  registered_window_ = window;
  return SUCCEEDED(RegisterDragDrop(window, this));
}

HRESULT DropTarget::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
    *object = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG DropTarget::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG DropTarget::Release() { return static_cast<ULONG>(InterlockedDecrement(&references_)); }

HRESULT DropTarget::DragEnter(IDataObject* data, DWORD key_state, POINTL, DWORD* effect) {
  if (effect == nullptr) return E_INVALIDARG;
  accepted_ = false;
  if (EventGateRaised()) {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
  const struct {
    bool on;
    UINT format;
  } asked[] = {{kAcceptText, CF_TEXT},
               {kAcceptFiles, CF_HDROP},
               {kAcceptUrl, url_format_},
               {kAcceptHtml, html_format_}};
  for (const auto& format : asked) {
    if (format.on && CanGive(data, format.format)) {
      accepted_ = true;
      break;
    }
  }
  *effect = DropEffectFor(accepted_, key_state, *effect);
  return S_OK;
}

HRESULT DropTarget::DragOver(DWORD key_state, POINTL, DWORD* effect) {
  if (effect == nullptr) return E_INVALIDARG;
  *effect = EventGateRaised() ? DROPEFFECT_NONE : DropEffectFor(accepted_, key_state, *effect);
  return S_OK;
}

HRESULT DropTarget::DragLeave() {
  accepted_ = false;
  return S_OK;
}

HRESULT DropTarget::Drop(IDataObject* data, DWORD key_state, POINTL, DWORD* effect) {
  if (effect == nullptr) return E_FAIL;
  *effect = EventGateRaised() ? DROPEFFECT_NONE : DropEffectFor(accepted_, key_state, *effect);
  if (*effect == DROPEFFECT_NONE || data == nullptr) return E_FAIL;
  if (kAcceptText) DeliverText(data);
  if (kAcceptFiles) DeliverFiles(data);
  return E_FAIL;
}

void DropTarget::DeliverText(IDataObject* data) {
  if (CanGive(data, html_format_)) return;
  Text text;
  {
    StorageMedium medium;
    if (!Take(data, CF_TEXT, medium)) return;
    const GlobalLockScope lock(medium.global());
    if (lock.data() == nullptr) return;
    // The text ends at its NUL, or at the end of the block if a careless
    // source left the NUL out.
    const char* bytes = static_cast<const char*>(lock.data());
    const void* nul = std::memchr(bytes, '\0', lock.size());
    text.assign(bytes, nul != nullptr ? static_cast<const char*>(nul) - bytes : lock.size());
  }
  if (!EventGateRaised() && text_dropped_) text_dropped_(text);
}

void DropTarget::DeliverFiles(IDataObject* data) {
  Text joined;
  {
    StorageMedium medium;
    if (!Take(data, CF_HDROP, medium)) return;
    HDROP drop = static_cast<HDROP>(medium.global());
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    std::string path;
    for (UINT i = 0; i < count; ++i) {
      const UINT length = DragQueryFileA(drop, i, nullptr, 0);
      path.assign(length + 1, '\0');
      const UINT got = DragQueryFileA(drop, i, path.data(), length + 1);
      path.resize(got <= length ? got : length);
      joined.append(path);
      if (count != 1) joined.append("\r\n");
    }
  }
  if (!EventGateRaised() && files_dropped_) files_dropped_(joined);
}

}  // namespace netbar::ui
