// Synthetic client lists for the conversion benchmark, in the three formats
// the converter reads, written as a diskless server writes them: CR LF line
// ends, a few keys beside the ones the converter looks at, GBK machine names
// for some clients, and some clients the converter must drop (a zero MAC, an
// empty name).
//
// The lists are deterministic: the same format and client count give the
// same bytes every time. Alongside a list the generator can write the lines
// a correct conversion gives for it, so a benchmark run also checks what it
// times.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string_view>

namespace netbar::bench {

enum class ListFormat {
  kClientConfigXml,  // 顺网: <ClientConfig> elements with <Name> and <Mac>
  kNamedSection,     // 网众: [machine] sections with MAC=00:1a:2b:...
  kMacSection,       // 云更新: [00-1A-2B-...] sections with Name=/BootType=/Area=
};

inline constexpr ListFormat kAllListFormats[] = {
    ListFormat::kClientConfigXml, ListFormat::kNamedSection, ListFormat::kMacSection};

// A short ASCII key for file names and the command line: "xml", "named", "mac".
[[nodiscard]] std::string_view ListFormatKey(ListFormat format);
// The converter's own label of the format, UTF-8: "顺网", "网众", "云更新".
[[nodiscard]] std::string_view ListFormatLabel(ListFormat format);
[[nodiscard]] std::optional<ListFormat> ListFormatFromKey(std::string_view key);

struct ListCounts {
  int64_t clients = 0;
  int64_t accepted = 0;  // clients a correct conversion writes a line for
  int64_t list_bytes = 0;
};

// Writes a list of `clients` clients to `list` and, when `expected_lines` is
// not null, the output a correct conversion gives (one "MAC name" line with
// CR LF per accepted client). Returns false when a write failed.
[[nodiscard]] bool WriteClientList(ListFormat format, int64_t clients, std::FILE* list,
                                   std::FILE* expected_lines, ListCounts& counts);

}  // namespace netbar::bench
