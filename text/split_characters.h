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

}  // namespace netbar
