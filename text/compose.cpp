#include "text/compose.h"

#include <charconv>

namespace netbar {

Text ConcatText(std::initializer_list<TextView> parts) {
  size_t size = 0;
  for (TextView part : parts) size += part.size();
  Text out;
  out.reserve(size);
  for (TextView part : parts) out.append(part);
  return out;
}

int CompareText(TextView a, TextView b) {
  // std::string_view compares through char_traits<char>, which orders bytes
  // as unsigned char.
  const int c = a.compare(b);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

Text IntToText(int32_t n) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, n);
  return Text(buffer, result.ptr);
}

}  // namespace netbar
