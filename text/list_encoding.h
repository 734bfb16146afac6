// Lists saved as Unicode, turned into the system's ANSI code page before they
// become a run's text, so that they convert exactly like the same list saved
// in GBK: the markers are found, the split holds and the names are written in
// the code page that the rest of the program works in.
//
// Recognition, on the file's bytes; the first rule that holds decides:
//   1. FF FE at the start                  UTF-16, little-endian
//   2. FE FF at the start                  UTF-16, big-endian
//   3. EF BB BF at the start               UTF-8
//   4. an XML declaration at the very start ("<?xml", a blank, up to "?>")
//      whose encoding is utf-8, in any case and either quote:
//      <?xml version="1.0" encoding='UTF-8'?>        UTF-8
//   5. the whole file is well-formed UTF-8 and holds at least one
//      three-byte sequence (every Chinese character is one)     UTF-8
//   6. anything else                       the bytes stay as they are (GBK)
// The mark of rules 1 to 3 is not part of the text.
//
// Conversion (text/ansi_code_page.h): every character into the ANSI code
// page. A character that the code page lacks becomes "?". Ill-formed input
// does not stop the conversion; each broken piece becomes one "?":
//   - UTF-8: each maximal ill-formed subpart (text/unicode_decoding.h), so
//     E4 B8 41 gives "?A" and a stray continuation byte gives "?";
//   - UTF-16: a surrogate without its partner, and an odd last byte.
// A NUL character becomes the byte 0x00, so the text still ends there.
//
// Where the rule guesses wrong:
//   - A GBK list whose non-ASCII bytes all happen to form well-formed UTF-8,
//     with one three-byte sequence at least, is read as UTF-8 and its names
//     are garbled. GBK text is almost never well-formed UTF-8 (a trail byte
//     below 0x80, or a lead byte of C0/C1 or F5..FF, breaks it), but a
//     short list can be: the GBK name 浣犲ソ is the UTF-8 of 你好.
//   - A list that declares encoding="utf-8" but is saved in GBK is read as
//     UTF-8: its Chinese becomes "?" (the declaration is believed).
//   - A declaration of another encoding (encoding="GB2312") does not count:
//     such a file that is well-formed UTF-8 by rule 5 is read as UTF-8.
//   - A GBK list that begins with the character 锘 (EF BB) followed by a
//     character whose lead byte is BF is taken for UTF-8 with a mark. FF FE
//     and FE FF never begin GBK text.
//   - UTF-16 without a mark is not recognised: it stays bytes and ends at
//     its first NUL, as before. UTF-32 with a mark (FF FE 00 00) is read as
//     UTF-16 and so ends at once.
//   - UTF-8 without mark or declaration whose only non-ASCII characters
//     take two or four bytes (accented letters, emoji) stays bytes.
#pragma once

#include <cstddef>
#include <string_view>

#include "text/text.h"

namespace netbar {

enum class ListEncoding { kAnsi, kUtf8, kUtf16LittleEndian, kUtf16BigEndian };

struct RecognisedEncoding {
  ListEncoding encoding = ListEncoding::kAnsi;
  size_t mark_length = 0;  // bytes of the byte-order mark, 0 without one
};

[[nodiscard]] RecognisedEncoding RecogniseListEncoding(std::string_view bytes);

// The file's bytes in the ANSI code page. A list that is not recognised as
// Unicode comes back as it is, in the same buffer, without a copy.
[[nodiscard]] Bytes ConvertListToAnsi(Bytes&& file_bytes);

}  // namespace netbar
