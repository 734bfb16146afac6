#include "text/find.h"

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

// True when some byte of `word` equals the byte replicated in `pattern`.
bool HasByte(uint64_t word, uint64_t pattern) {
  const uint64_t x = word ^ pattern;
  return ((x - kOnes) & ~x & kHighs) != 0;
}

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
    // Eight single-byte characters none of which starts the needle can be
    // stepped over at once: each is a character start and none matches.
    if (p + 8 <= n) {
      const uint64_t word = Load8(t + p);
      if ((word & kHighs) == 0 && !HasByte(word, pattern)) {
        p += 8;
        continue;
      }
    }
    if (t[p] == first && std::memcmp(t + p, needle.data(), m) == 0) return p;
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
