#include "fuzz/reference_text.h"

namespace netbar::reference {
namespace {

// Byte at 1-based position p.
unsigned char At(TextView text, int64_t p) { return static_cast<unsigned char>(text[p - 1]); }

bool MatchesAt(TextView text, int64_t p, TextView needle) {
  return text.substr(static_cast<size_t>(p - 1), needle.size()) == needle;
}

int64_t Length(TextView text) { return static_cast<int64_t>(text.size()); }

}  // namespace

int32_t FindText(TextView text, TextView needle) {
  if (needle.empty()) return text.empty() ? -1 : 1;
  int64_t p = 1;
  while (Length(text) - p + 1 >= Length(needle)) {
    if (MatchesAt(text, p, needle)) return static_cast<int32_t>(p);
    if (At(text, p) >= 0x80) {
      if (p == Length(text)) break;
      p += 2;
    } else {
      p += 1;
    }
  }
  return -1;
}

int32_t FindTextReverse(TextView text, TextView needle) {
  if (needle.empty()) return text.empty() ? -1 : 1;
  int32_t last = -1;
  int64_t p = 1;
  while (Length(text) - p + 1 >= Length(needle)) {
    if (MatchesAt(text, p, needle)) last = static_cast<int32_t>(p);
    if (At(text, p) >= 0x80) {
      if (p == Length(text)) break;
      p += 2;
    } else {
      p += 1;
    }
  }
  return last;
}

Text ReplaceSubtext(TextView text, TextView needle, TextView replacement) {
  if (text.empty() || needle.empty()) return Text(text);
  Text out;
  int64_t p = 1;
  while (Length(text) - p + 1 >= Length(needle)) {
    if (MatchesAt(text, p, needle)) {
      out += replacement;
      p += Length(needle);
    } else if (At(text, p) >= 0x80) {
      if (p == Length(text)) return out;
      out += text.substr(static_cast<size_t>(p - 1), 2);
      p += 2;
    } else {
      out += text[static_cast<size_t>(p - 1)];
      p += 1;
    }
  }
  out += text.substr(static_cast<size_t>(p - 1));
  return out;
}

std::vector<Text> SplitText(TextView text, TextView delimiter) {
  std::vector<Text> pieces;
  if (text.empty()) return pieces;
  if (delimiter.empty()) return {Text(text)};
  int64_t s = 1;
  int64_t p = 1;
  while (Length(text) - p + 1 >= Length(delimiter)) {
    if (MatchesAt(text, p, delimiter)) {
      pieces.emplace_back(text.substr(static_cast<size_t>(s - 1), static_cast<size_t>(p - s)));
      p += Length(delimiter);
      s = p;
    } else if (At(text, p) >= 0x80) {
      if (p == Length(text)) break;
      p += 2;
    } else {
      p += 1;
    }
  }
  if (s <= Length(text)) pieces.emplace_back(text.substr(static_cast<size_t>(s - 1)));
  return pieces;
}

std::vector<Text> SplitCharacters(TextView text) {
  std::vector<Text> members;
  const int64_t length = Length(text);
  for (int64_t i = 1; i <= length;) {
    int64_t step = 1;
    if (i < length && (At(text, i) >= 0x81 || (At(text, i) == 0x0D && At(text, i + 1) == 0x0A))) {
      step = 2;
    }
    members.emplace_back(text.substr(static_cast<size_t>(i - 1), static_cast<size_t>(step)));
    i += step;
  }
  return members;
}

Text ToUpperCase(TextView text) {
  Text out(text);
  for (int64_t p = 1; p <= Length(text);) {
    const unsigned char byte = At(text, p);
    if (byte >= 0x80 && p < Length(text)) {
      p += 2;
      continue;
    }
    if (byte >= 'a' && byte <= 'z')
      out[static_cast<size_t>(p - 1)] = static_cast<char>(byte - 0x20);
    p += 1;
  }
  return out;
}

Text TextLeft(TextView text, int32_t count) {
  if (count <= 0) return {};
  return Text(text.substr(0, static_cast<size_t>(count)));
}

Text TextRight(TextView text, int32_t count) {
  if (count <= 0) return {};
  const int64_t n = count < Length(text) ? count : Length(text);
  return Text(text.substr(static_cast<size_t>(Length(text) - n)));
}

Text TextMid(TextView text, int32_t start, int32_t count) {
  if (start < 1 || start > Length(text) || count <= 0) return {};
  Text out;
  for (int64_t p = start; p <= Length(text) && p < int64_t{start} + count; ++p) {
    out += text[static_cast<size_t>(p - 1)];
  }
  return out;
}

bool IsCharacterStart(TextView text, size_t offset) {
  size_t p = 0;
  while (p < offset) p += static_cast<unsigned char>(text[p]) >= 0x80 ? 2 : 1;
  return p == offset;
}

}  // namespace netbar::reference
