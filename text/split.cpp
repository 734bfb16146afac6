#include "text/split.h"

#include "text/find.h"

namespace netbar {

TextArray SplitText(TextView text, TextView delimiter) { return SplitText(Text(text), delimiter); }

TextArray SplitText(Text&& text, TextView delimiter) {
  TextArray pieces;
  pieces.AdoptStorage(std::move(text));
  const TextView all = pieces.Buffer();
  if (all.empty()) return pieces;
  if (delimiter.empty()) {
    pieces.AppendSpan(0, all.size());
    return pieces;
  }
  size_t start = 0;
  for (;;) {
    const size_t found = FindAtCharacterStart(all, delimiter, start);
    if (found == TextView::npos) break;
    pieces.AppendSpan(start, found - start);
    start = found + delimiter.size();
  }
  if (start < all.size()) pieces.AppendSpan(start, all.size() - start);
  return pieces;
}

}  // namespace netbar
