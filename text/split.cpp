#include "text/split.h"

#include "text/find.h"

namespace netbar {

namespace {

// Calls piece(begin, length) for every piece of the split, in order.
template <typename PieceFn>
void ForEachPiece(TextView text, TextView delimiter, PieceFn piece) {
  if (text.empty()) return;
  if (delimiter.empty()) {
    piece(0, text.size());
    return;
  }
  size_t start = 0;
  for (;;) {
    const size_t found = FindAtCharacterStart(text, delimiter, start);
    if (found == TextView::npos) break;
    piece(start, found - start);
    start = found + delimiter.size();
  }
  if (start < text.size()) piece(start, text.size() - start);
}

}  // namespace

TextArray SplitText(TextView text, TextView delimiter) {
  TextArray pieces;
  // Every byte but the delimiters ends up in a piece.
  pieces.Reserve(text.size(), 0);
  ForEachPiece(text, delimiter,
               [&](size_t begin, size_t length) { pieces.Append(text.substr(begin, length)); });
  return pieces;
}

TextArray SplitText(Text&& text, TextView delimiter) {
  TextArray pieces;
  pieces.AdoptStorage(std::move(text));
  ForEachPiece(pieces.Buffer(), delimiter,
               [&](size_t begin, size_t length) { pieces.AppendSpan(begin, length); });
  return pieces;
}

}  // namespace netbar
