// A plain model of what a conversion run writes, built only on the models in
// fuzz/reference_text: format recognition, the split, the three formats'
// field rules, the clean-ups and the acceptance test, each written out as
// the rules state it. The run fuzz target compares the real run with it.
#pragma once

#include <vector>

#include "text/text.h"

namespace netbar::reference {

// The format's label: "顺网", "网众" or "云更新".
[[nodiscard]] TextView FormatLabel(TextView text);

// The lines, CR LF included, that a run over `text` writes, in order.
[[nodiscard]] std::vector<Text> ConvertedLines(TextView text);

}  // namespace netbar::reference
