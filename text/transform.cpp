#include "text/transform.h"

#include <cstring>

namespace netbar {

Text ToUpperCase(TextView text) {
  Text out(text);
  const size_t n = out.size();
  for (size_t p = 0; p < n;) {
    const char c = out[p];
    if (IsLeadByte(c)) {
      p += 2;
    } else {
      if (c >= 'a' && c <= 'z') out[p] = static_cast<char>(c - 0x20);
      p += 1;
    }
  }
  return out;
}

Text ReplaceSubtext(TextView text, TextView needle, TextView replacement) {
  if (text.empty() || needle.empty()) return Text(text);
  const size_t n = text.size();
  const size_t m = needle.size();
  Text out;
  out.reserve(n);
  size_t p = 0;
  while (n - p >= m) {
    if (std::memcmp(text.data() + p, needle.data(), m) == 0) {
      out.append(replacement);
      p += m;
    } else if (IsLeadByte(text[p])) {
      if (p + 1 == n) return out;
      out.append(text.data() + p, 2);
      p += 2;
    } else {
      out.push_back(text[p]);
      p += 1;
    }
  }
  out.append(text.substr(p));
  return out;
}

}  // namespace netbar
