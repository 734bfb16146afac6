#include "text/cut.h"

namespace netbar {

int32_t TextLength(TextView text) { return static_cast<int32_t>(text.size()); }

TextView LeftView(TextView text, int32_t count) {
  if (count <= 0) return {};
  return text.substr(0, static_cast<size_t>(count));
}

TextView RightView(TextView text, int32_t count) {
  if (count <= 0) return {};
  const size_t n = static_cast<size_t>(count);
  return n >= text.size() ? text : text.substr(text.size() - n);
}

TextView MidView(TextView text, int32_t start, int32_t count) {
  if (start < 1 || count <= 0 || static_cast<size_t>(start) > text.size()) return {};
  return text.substr(static_cast<size_t>(start) - 1, static_cast<size_t>(count));
}

TextView BeforeLineEndView(TextView text) {
  // A plain loop: find_first_of("\r\n") searches the two-byte set once for
  // every byte, which made this the costliest step of emitting a record.
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') return text.substr(0, i);
  }
  return text;
}

Text TextLeft(TextView text, int32_t count) { return Text(LeftView(text, count)); }
Text TextRight(TextView text, int32_t count) { return Text(RightView(text, count)); }
Text TextMid(TextView text, int32_t start, int32_t count) {
  return Text(MidView(text, start, count));
}

}  // namespace netbar
