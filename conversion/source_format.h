// The three client-list formats, their labels and chunk delimiters, and
// their recognition.
//
//   ClientConfigXml  "顺网"   the text holds "</ClientConfig>"; chunks at "<ClientConfig>"
//   NamedSectionIni  "网众"   otherwise, the text holds "MAC=";  chunks at "["
//   MacSectionIni    "云更新" in every other case, the empty text included; at "["
//
// Both searches are exact and case-sensitive and match anywhere, also in a
// comment or a longer key, so "</ClientConfig>" wins when both occur.
#pragma once

#include "text/text.h"

namespace netbar {

enum class SourceFormat { ClientConfigXml, NamedSectionIni, MacSectionIni };

[[nodiscard]] SourceFormat DetectSourceFormat(TextView text);
[[nodiscard]] TextView FormatLabelOf(SourceFormat format);
[[nodiscard]] TextView ChunkDelimiterOf(SourceFormat format);

}  // namespace netbar
