#include "text/split_characters.h"

namespace netbar {

int32_t SplitCharacters(TextView text, TextArray& chars) {
  chars.Clear();
  const size_t length = text.size();
  chars.Reserve(length, length);
  for (size_t i = 0; i < length;) {
    const size_t step = SplitterCharacterLength(text, i);
    chars.Append(text.substr(i, step));
    i += step;
  }
  return chars.Size();
}

}  // namespace netbar
