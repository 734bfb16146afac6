#include "text/find.h"

#include <bit>
#include <cstring>

namespace netbar {
namespace {

constexpr uint64_t kOnes = 0x0101010101010101ULL;
constexpr uint64_t kHighs = 0x8080808080808080ULL;

uint64_t Load8(const char* p) {
  uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// The high bit of every byte of `word` that equals the byte replicated in
// `pattern`, and possibly of some bytes above the first such byte (a borrow
// can run on); the lowest bit set is always a true match.
uint64_t MatchingBytes(uint64_t word, uint64_t pattern) {
  const uint64_t x = word ^ pattern;
  return (x - kOnes) & ~x & kHighs;
}

// The word's first byte in memory order is its lowest byte.
static_assert(std::endian::native == std::endian::little);

}  // namespace

size_t FindAtCharacterStart(TextView text, TextView needle, size_t from) {
  const size_t n = text.size();
  const size_t m = needle.size();
  if (m == 0 || m > n) return TextView::npos;
  const char* t = text.data();
  const char first = needle[0];
  const uint64_t pattern = kOnes * static_cast<unsigned char>(first);
  size_t p = from;
  while (p + m <= n) {
    // Single-byte characters that do not start the needle are stepped over
    // eight at a time, up to the first byte that starts the needle or opens
    // a two-byte character: every byte before it is a character start and
    // none matches.
    if (p + 8 <= n) {
      const uint64_t word = Load8(t + p);
      const uint64_t stops = MatchingBytes(word, pattern) | (word & kHighs);
      if (stops == 0) {
        p += 8;
        continue;
      }
      p += static_cast<size_t>(std::countr_zero(stops)) / 8;
      if (p + m > n) break;
    }
    // The second byte is tested before memcmp is called: in an XML list
    // nearly every '<' starts some other tag than the one looked for.
    if (t[p] == first && (m == 1 || (t[p + 1] == needle[1] &&
                                     std::memcmp(t + p + 2, needle.data() + 2, m - 2) == 0))) {
      return p;
    }
    if (IsLeadByte(t[p])) {
      if (p + 1 == n) return TextView::npos;
      p += 2;
    } else {
      p += 1;
    }
  }
  return TextView::npos;
}

int32_t FindText(TextView text, TextView needle) {
  if (needle.empty()) return text.empty() ? -1 : 1;
  const size_t found = FindAtCharacterStart(text, needle, 0);
  return found == TextView::npos ? -1 : static_cast<int32_t>(found + 1);
}

int32_t FindTextReverse(TextView text, TextView needle) {
  if (needle.empty()) return text.empty() ? -1 : 1;
  int32_t last = -1;
  size_t from = 0;
  for (;;) {
    const size_t found = FindAtCharacterStart(text, needle, from);
    if (found == TextView::npos) return last;
    last = static_cast<int32_t>(found + 1);
    // Step one character on, so that overlapping matches count.
    from = found + (IsLeadByte(text[found]) ? 2 : 1);
  }
}

}  // namespace netbar
