// The active code page through WideCharToMultiByte.
//
// WC_NO_BEST_FIT_CHARS keeps Windows from writing a look-alike (an "A" for
// "À"): a name either converts exactly or shows "?". Surrogate pairs are
// converted one pair at a time, so that a pair which the code page lacks
// becomes one "?" (Wine's code page 936 writes two), as in the Linux build.
#include "text/ansi_code_page.h"

#include <windows.h>

namespace netbar {
namespace {

constexpr char kUnmappable[] = "?";

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

// UTF-8 as the active code page (the "beta: Unicode UTF-8" setting) has
// every character and takes neither the flag nor a default character.
bool ActiveCodePageIsUtf8() { return GetACP() == CP_UTF8; }

// Appends the conversion of `text`; false when a character was unmappable.
bool AppendConverted(std::u16string_view text, std::string& out) {
  if (text.empty()) return true;
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  const bool utf8 = ActiveCodePageIsUtf8();
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const char* default_char = utf8 ? nullptr : kUnmappable;
  BOOL used_default = FALSE;
  BOOL* used_default_out = utf8 ? nullptr : &used_default;

  const int needed =
      WideCharToMultiByte(CP_ACP, flags, wide, length, nullptr, 0, default_char, nullptr);
  if (needed <= 0) {
    // Only a code page that refuses the request ends here; its characters
    // are lost, but the ASCII markers of the list are kept.
    for (const char16_t unit : text) out.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    return false;
  }
  const size_t at = out.size();
  out.resize(at + static_cast<size_t>(needed));
  const int written = WideCharToMultiByte(CP_ACP, flags, wide, length, out.data() + at, needed,
                                          default_char, used_default_out);
  out.resize(at + static_cast<size_t>(written > 0 ? written : 0));
  return used_default == FALSE;
}

}  // namespace

void AppendInAnsiCodePage(std::u16string_view text, std::string& out) {
  size_t run_start = 0;
  for (size_t k = 0; k < text.size(); ++k) {
    if (!IsHighSurrogate(text[k]) || k + 1 >= text.size()) continue;
    AppendConverted(text.substr(run_start, k - run_start), out);
    const size_t before = out.size();
    if (!AppendConverted(text.substr(k, 2), out)) {
      out.resize(before);
      out.push_back('?');
    }
    ++k;
    run_start = k + 1;
  }
  AppendConverted(text.substr(run_start), out);
}

}  // namespace netbar
