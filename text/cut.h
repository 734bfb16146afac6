// Byte cuts. These count plain bytes and ignore characters, so they can cut
// a two-byte character in half. Positions count from 1.
//
//   TextLeft("abc", 5)     -> "abc"     TextLeft("abc", 0)   -> ""
//   TextRight("abc", 2)    -> "bc"      TextRight("abc", -3) -> ""
//   TextMid("abc", 3, 5)   -> "c"       TextMid("abc", 0, 2) -> ""
//   TextMid("abc", 4, 1)   -> ""        TextMid("abc", 2, -1) -> ""
//
// A start below 1 is not moved up to 1: TextMid yields the empty text.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace netbar {

[[nodiscard]] int32_t TextLength(TextView text);
[[nodiscard]] Text TextLeft(TextView text, int32_t count);
[[nodiscard]] Text TextRight(TextView text, int32_t count);
[[nodiscard]] Text TextMid(TextView text, int32_t start, int32_t count);

// The same cuts as views into `text`, for the hot paths of a run.
[[nodiscard]] TextView LeftView(TextView text, int32_t count);
[[nodiscard]] TextView RightView(TextView text, int32_t count);
[[nodiscard]] TextView MidView(TextView text, int32_t start, int32_t count);

// The bytes before the first CR or LF byte, or the whole text:
//   BeforeLineEndView("PC1\r\nX") -> "PC1"    BeforeLineEndView("\nX") -> ""
[[nodiscard]] TextView BeforeLineEndView(TextView text);

}  // namespace netbar
