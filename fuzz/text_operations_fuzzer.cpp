// Fuzz target for the text operations: each is held to the plain model in
// fuzz/reference_text and to the laws that the conversion relies on.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <vector>

#include "fuzz/property_check.h"
#include "fuzz/reference_text.h"
#include "text/cut.h"
#include "text/find.h"
#include "text/split.h"
#include "text/split_characters.h"
#include "text/text_array.h"
#include "text/transform.h"

namespace netbar {
namespace {

std::vector<Text> Members(const TextArray& array) {
  std::vector<Text> members;
  for (int32_t k = 1; k <= array.Size(); ++k) members.emplace_back(array.At(k));
  return members;
}

Text Join(const std::vector<Text>& pieces, TextView delimiter) {
  Text joined;
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0) joined += delimiter;
    joined += pieces[i];
  }
  return joined;
}

// A match is a position where the needle stands, at a character start.
void CheckMatch(TextView text, TextView needle, int32_t found) {
  NETBAR_REQUIRE(found == -1 || found >= 1);
  if (found == -1 || needle.empty()) return;
  const size_t offset = static_cast<size_t>(found) - 1;
  NETBAR_REQUIRE(text.substr(offset, needle.size()) == needle);
  NETBAR_REQUIRE(reference::IsCharacterStart(text, offset));
}

void CheckSearches(TextView text, TextView needle) {
  const int32_t first = FindText(text, needle);
  CheckMatch(text, needle, first);
  NETBAR_REQUIRE(first == reference::FindText(text, needle));

  const int32_t last = FindTextReverse(text, needle);
  CheckMatch(text, needle, last);
  NETBAR_REQUIRE(last == reference::FindTextReverse(text, needle));
  NETBAR_REQUIRE((first == -1) == (last == -1));
  NETBAR_REQUIRE(first == -1 || last >= first);
}

void CheckSplit(TextView text, TextView delimiter) {
  const std::vector<Text> pieces = Members(SplitText(text, delimiter));
  NETBAR_REQUIRE(pieces == reference::SplitText(text, delimiter));
  if (text.empty()) {
    NETBAR_REQUIRE(pieces.empty());
    return;
  }
  // Joined with the delimiter, the pieces give back the text, less the one
  // trailing delimiter that the split drops.
  const Text joined = Join(pieces, delimiter);
  NETBAR_REQUIRE(joined == text || joined + Text(delimiter) == text);
}

void CheckCharacters(TextView text) {
  TextArray characters;
  characters.Append("left over from an earlier call");
  const int32_t count = SplitCharacters(text, characters);
  const std::vector<Text> members = Members(characters);
  NETBAR_REQUIRE(count == characters.Size());
  NETBAR_REQUIRE(members == reference::SplitCharacters(text));
  for (const Text& member : members) NETBAR_REQUIRE(member.size() == 1 || member.size() == 2);
  NETBAR_REQUIRE(Join(members, "") == text);
}

void CheckReplace(TextView text, TextView needle, TextView replacement) {
  NETBAR_REQUIRE(ReplaceSubtext(text, needle, replacement) ==
                 reference::ReplaceSubtext(text, needle, replacement));
  // A needle replaced by itself changes nothing, but a lone lead byte that
  // the scan reaches is dropped.
  const Text same = ReplaceSubtext(text, needle, needle);
  if (same != text) {
    NETBAR_REQUIRE(!text.empty() && IsLeadByte(text.back()));
    NETBAR_REQUIRE(same == text.substr(0, text.size() - 1));
  }
}

void CheckCuts(TextView text, int32_t start, int32_t count) {
  NETBAR_REQUIRE(TextLeft(text, count) == reference::TextLeft(text, count));
  NETBAR_REQUIRE(TextRight(text, count) == reference::TextRight(text, count));
  NETBAR_REQUIRE(TextMid(text, start, count) == reference::TextMid(text, start, count));
  NETBAR_REQUIRE(TextLength(text) == static_cast<int32_t>(text.size()));
}

void CheckUpperCase(TextView text) {
  const Text upper = ToUpperCase(text);
  NETBAR_REQUIRE(upper.size() == text.size());
  NETBAR_REQUIRE(upper == reference::ToUpperCase(text));
}

}  // namespace
}  // namespace netbar

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  netbar::TreatRuntimeErrorsAsFindings();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using netbar::Text;
  FuzzedDataProvider input(data, size);
  const uint8_t needle_choice = input.ConsumeIntegral<uint8_t>();
  const Text free_needle = input.ConsumeRandomLengthString(8);
  const Text replacement = input.ConsumeRandomLengthString(8);
  const int32_t start = input.ConsumeIntegral<int32_t>();
  const int32_t count = input.ConsumeIntegral<int32_t>();
  const uint16_t needle_offset = input.ConsumeIntegral<uint16_t>();
  const Text text = input.ConsumeRemainingBytesAsString();

  // Half of the needles are cut from the text itself, so that they match
  // often, also at trail bytes where they must not be found.
  Text needle = free_needle;
  if ((needle_choice & 1) != 0 && !text.empty()) {
    const size_t from = needle_offset % text.size();
    needle = text.substr(from, 1 + (needle_choice >> 1) % 6);
  }

  netbar::CheckSearches(text, needle);
  netbar::CheckSplit(text, needle);
  netbar::CheckCharacters(text);
  netbar::CheckReplace(text, needle, replacement);
  netbar::CheckCuts(text, start, count);
  netbar::CheckUpperCase(text);
  return 0;
}
