// Searches by the GBK character rule (see text/text.h): a match is found only
// where a character begins, never at the second byte of a two-byte
// character. Comparison is exact and case-sensitive. Positions count from 1;
// nothing found is -1.
//
//   FindText("abcabc", "bc")        -> 2
//   FindTextReverse("abcabc", "bc") -> 5
//   FindText("\x81_" "_", "_")      -> 3   (the first '_' is a trail byte)
//   FindText("", "a")               -> -1
//   FindText("x", "")               -> 1,  FindText("", "") -> -1
//
// A lone lead byte at the end ends the scan.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace netbar {

[[nodiscard]] int32_t FindText(TextView text, TextView needle);
// The last match of a scan from the start; matches may overlap:
// FindTextReverse("aaa", "aa") -> 2.
[[nodiscard]] int32_t FindTextReverse(TextView text, TextView needle);

// 0-based offset of the first match at or after `from`, which must be a
// character start; TextView::npos when there is none. The building block of
// FindText and SplitText.
[[nodiscard]] size_t FindAtCharacterStart(TextView text, TextView needle, size_t from);

}  // namespace netbar
