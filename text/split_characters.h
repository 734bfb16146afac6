// SplitCharacters: a text broken into its characters, one member each.
//
// This splitter has a character rule of its own, unlike the GBK rule of the
// searches: a byte of 0x81 or above (not 0x80) takes the next byte with it,
// whatever it is; CR LF is one character; the last byte of the text is
// always a character by itself.
//
//   "001A2B3C4D5E"               -> 12 members
//   "A" "\xD6\xD0" "b"           -> "A", "\xD6\xD0", "b"
//   "a\r\nb\rc\n"                -> "a", "\r\n", "b", "\r", "c", "\n"
//   "ab\xB0"                     -> "a", "b", "\xB0"
//   "\x80" "a"                   -> "\x80", "a"
//
// `chars` is emptied first; the result is its size afterwards. Joining the
// members gives back the text.
#pragma once

#include <cstdint>

#include "text/text.h"
#include "text/text_array.h"

namespace netbar {

int32_t SplitCharacters(TextView text, TextArray& chars);

// The length in bytes of the character that starts at offset `i` of `text`,
// by the splitter's rule; `i` must lie inside the text.
[[nodiscard]] inline size_t SplitterCharacterLength(TextView text, size_t i) {
  if (i + 1 >= text.size()) return 1;
  const auto byte = static_cast<unsigned char>(text[i]);
  return byte >= 0x81 || (byte == 0x0D && text[i + 1] == 0x0A) ? 2 : 1;
}

}  // namespace netbar
