#include "tests/ui/shell_data_object.h"

#include <shlobj.h>

#include <cstring>

namespace netbar::ui::testing {

void ShellDataObject::Put(UINT format, const std::string& bytes) {
  entries_.push_back({format, bytes, true});
}

void ShellDataObject::Announce(UINT format) { entries_.push_back({format, {}, false}); }

const ShellDataObject::Entry* ShellDataObject::Find(const FORMATETC* format) const {
  if (format == nullptr || (format->tymed & TYMED_HGLOBAL) == 0 ||
      format->dwAspect != DVASPECT_CONTENT) {
    return nullptr;
  }
  for (const Entry& entry : entries_) {
    if (entry.format == format->cfFormat) return &entry;
  }
  return nullptr;
}

HRESULT ShellDataObject::QueryInterface(REFIID iid, void** object) {
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
    *object = static_cast<IDataObject*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG ShellDataObject::AddRef() { return static_cast<ULONG>(++references_); }
ULONG ShellDataObject::Release() { return static_cast<ULONG>(--references_); }

HRESULT ShellDataObject::QueryGetData(FORMATETC* format) {
  if (format != nullptr) queried_.push_back(format->cfFormat);
  return Find(format) != nullptr ? S_OK : DV_E_FORMATETC;
}

HRESULT ShellDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
  if (format != nullptr) fetched_.push_back(format->cfFormat);
  const Entry* entry = Find(format);
  if (entry == nullptr) return DV_E_FORMATETC;
  if (!entry->can_give) return E_OUTOFMEMORY;
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, entry->bytes.size());
  if (copy == nullptr) return E_OUTOFMEMORY;
  std::memcpy(GlobalLock(copy), entry->bytes.data(), entry->bytes.size());
  GlobalUnlock(copy);
  medium->tymed = TYMED_HGLOBAL;
  medium->hGlobal = copy;
  medium->pUnkForRelease = nullptr;
  return S_OK;
}

HRESULT ShellDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
  if (out != nullptr) out->ptd = nullptr;
  return DATA_S_SAMEFORMATETC;
}

std::string AnsiFileList(const std::vector<std::string>& paths) {
  DROPFILES header{};
  header.pFiles = sizeof header;
  header.fWide = FALSE;
  std::string block(reinterpret_cast<const char*>(&header), sizeof header);
  for (const std::string& path : paths) {
    block += path;
    block.push_back('\0');
  }
  // The list ends with an empty path; with no path before it, the block still
  // ends in two NULs, as the shell writes it.
  block.append(paths.empty() ? 2 : 1, '\0');
  return block;
}

std::string WideFileList(const std::vector<std::wstring>& paths) {
  DROPFILES header{};
  header.pFiles = sizeof header;
  header.fWide = TRUE;
  std::string block(reinterpret_cast<const char*>(&header), sizeof header);
  auto put = [&block](const std::wstring& text) {
    block.append(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t));
  };
  for (const std::wstring& path : paths) put(path);
  put(L"");
  if (paths.empty()) put(L"");
  return block;
}

}  // namespace netbar::ui::testing
