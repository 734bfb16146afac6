// The system's ANSI code page, as the target of lists saved as Unicode.
//
// One contract, two backends chosen by the build:
//   text/win32/ansi_code_page.cpp   the active code page (WideCharToMultiByte)
//   text/posix/ansi_code_page.cpp   code page 936 (GBK) as Windows defines it,
//                                   so the console converter on Linux writes
//                                   the bytes that the Windows program writes
//
// AppendInAnsiCodePage appends `text` to `out`, encoded in that code page.
// `text` must be well-formed UTF-16: every surrogate stands in a pair.
// A character that the code page lacks becomes one "?", a surrogate pair
// included; nothing is replaced by a look-alike ("best fit"), so no name
// silently turns into another one. U+0000 becomes the byte 0x00.
//
//   u"PC01"        -> "PC01"
//   u"网吧"        -> CD F8 B0 C9         (on a GBK system)
//   u"\u20AC"      -> 80                  (code page 936's euro sign)
//   u"\u00C0"      -> "?"                 (no "A" for À)
//   u"\U0001F600"  -> "?"                 (one "?" for the pair)
#pragma once

#include <string>
#include <string_view>

namespace netbar {

void AppendInAnsiCodePage(std::u16string_view text, std::string& out);

}  // namespace netbar
