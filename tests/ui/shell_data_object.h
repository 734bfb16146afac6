// A data object holding global memory blocks by clipboard format, as the
// shell and editors hand them to a drop target: GetData gives a fresh copy
// of the block (the receiver releases it with ReleaseStgMedium), and
// QueryGetData answers S_OK for the formats it holds.
#pragma once

#include <ole2.h>
#include <windows.h>

#include <string>
#include <vector>

namespace netbar::ui::testing {

class ShellDataObject final : public IDataObject {
 public:
  ShellDataObject() = default;
  ShellDataObject(const ShellDataObject&) = delete;
  ShellDataObject& operator=(const ShellDataObject&) = delete;

  // A block of raw bytes under `format`.
  void Put(UINT format, const std::string& bytes);
  // A format it announces but cannot give (GetData fails).
  void Announce(UINT format);

  // How often each operation was asked, to see what the target looked at.
  [[nodiscard]] const std::vector<UINT>& queried() const { return queried_; }
  [[nodiscard]] const std::vector<UINT>& fetched() const { return fetched_; }
  [[nodiscard]] LONG outstanding_references() const { return references_ - 1; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override;
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  struct Entry {
    UINT format;
    std::string bytes;
    bool can_give;
  };
  const Entry* Find(const FORMATETC* format) const;

  std::vector<Entry> entries_;
  std::vector<UINT> queried_;
  std::vector<UINT> fetched_;
  LONG references_ = 1;
};

// The bytes of a CF_HDROP block: DROPFILES and the paths, each ending in
// NUL, the list ending in one more NUL (two for an empty list); ANSI (code
// page bytes) or, as the shell of Windows NT builds it, UTF-16.
[[nodiscard]] std::string AnsiFileList(const std::vector<std::string>& paths);
[[nodiscard]] std::string WideFileList(const std::vector<std::wstring>& paths);

}  // namespace netbar::ui::testing
