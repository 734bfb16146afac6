// SplitText: the pieces of a text between its delimiters, recognised only
// where a character begins (GBK character rule, text/text.h).
//
//   SplitText("a[b", "[")   -> "a", "b"
//   SplitText("[a[b", "[")  -> "", "a", "b"     (empty first piece)
//   SplitText("a[b[", "[")  -> "a", "b"         (no empty last piece)
//   SplitText("a[[b", "[")  -> "a", "", "b"
//   SplitText("[[", "[")    -> "", ""
//   SplitText("", "[")      -> no piece
//   SplitText("ab", "")     -> "ab"
//   SplitText("\x81[a", "[")-> "\x81[a"         ('[' is a trail byte here)
//
// Law: joining the pieces with the delimiter gives back the text, less one
// trailing delimiter.
#pragma once

#include "text/text.h"
#include "text/text_array.h"

namespace netbar {

[[nodiscard]] TextArray SplitText(TextView text, TextView delimiter);
// The same split of a text that the caller gives up: the array keeps the
// text's bytes as its own and copies none of them. The split of a view
// copies the text once and splits the copy.
[[nodiscard]] TextArray SplitText(Text&& text, TextView delimiter);

}  // namespace netbar
