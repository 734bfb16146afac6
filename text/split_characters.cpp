#include "text/split_characters.h"

namespace netbar {

int32_t SplitCharacters(TextView text, TextArray& chars) {
  chars.Clear();
  const size_t length = text.size();
  chars.Reserve(length, length);
  for (size_t i = 0; i < length;) {
    size_t step = 1;
    if (i + 1 < length) {
      const auto byte = static_cast<unsigned char>(text[i]);
      if (byte >= 0x81 || (byte == 0x0D && text[i + 1] == 0x0A)) step = 2;
    }
    chars.Append(text.substr(i, step));
    i += step;
  }
  return chars.Size();
}

}  // namespace netbar
