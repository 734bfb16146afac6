// Plain, unhurried models of the text operations, written step by step from
// their rules with 1-based positions and no shortcuts. The fuzz targets hold
// the fast operations in text/ to them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/text.h"

namespace netbar::reference {

[[nodiscard]] int32_t FindText(TextView text, TextView needle);
[[nodiscard]] int32_t FindTextReverse(TextView text, TextView needle);
[[nodiscard]] Text ReplaceSubtext(TextView text, TextView needle, TextView replacement);
[[nodiscard]] std::vector<Text> SplitText(TextView text, TextView delimiter);
[[nodiscard]] std::vector<Text> SplitCharacters(TextView text);
[[nodiscard]] Text ToUpperCase(TextView text);
[[nodiscard]] Text TextLeft(TextView text, int32_t count);
[[nodiscard]] Text TextRight(TextView text, int32_t count);
[[nodiscard]] Text TextMid(TextView text, int32_t start, int32_t count);

// True when 0-based `offset` is where a character begins, reading `text`
// from its start by the GBK character rule.
[[nodiscard]] bool IsCharacterStart(TextView text, size_t offset);

}  // namespace netbar::reference
