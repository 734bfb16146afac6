#include "text/split.h"

#include "text/find.h"

namespace netbar {

TextArray SplitText(TextView text, TextView delimiter) {
  TextArray pieces;
  if (text.empty()) return pieces;
  if (delimiter.empty()) {
    pieces.Append(text);
    return pieces;
  }
  // Every byte but the delimiters ends up in a piece.
  pieces.Reserve(text.size(), 0);
  size_t start = 0;
  for (;;) {
    const size_t found = FindAtCharacterStart(text, delimiter, start);
    if (found == TextView::npos) break;
    pieces.Append(text.substr(start, found - start));
    start = found + delimiter.size();
  }
  if (start < text.size()) pieces.Append(text.substr(start));
  return pieces;
}

}  // namespace netbar
