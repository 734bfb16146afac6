// Transformations that step by the GBK character rule (see text/text.h).
//
//   ToUpperCase("ab-cd")          -> "AB-CD"
//   ToUpperCase("\x81" "aa")      -> "\x81" "aA"   (a trail byte stays as it is)
//   ReplaceSubtext("AA:BB:CC", ":", "-") -> "AA-BB-CC"
//   ReplaceSubtext("ab\xB0", ":", "-")   -> "ab"   (a lone lead byte that the
//                                                   scan reaches is dropped)
#pragma once

#include "text/text.h"

namespace netbar {

// a-z become A-Z in single-byte characters only; a lone lead byte stays.
// The result has the length of the input.
[[nodiscard]] Text ToUpperCase(TextView text);

// Replaces every occurrence of `needle`, left to right, without overlap and
// without searching the replacement again. An empty text or needle gives the
// text unchanged. The last bytes that are fewer than the needle are copied as
// they are, a lone lead byte among them included.
[[nodiscard]] Text ReplaceSubtext(TextView text, TextView needle, TextView replacement);

}  // namespace netbar
