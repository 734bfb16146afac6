// The members of a TextArray as a vector, for comparisons in tests.
#pragma once

#include <vector>

#include "text/text_array.h"

namespace netbar::testing {

inline std::vector<Text> Members(const TextArray& array) {
  std::vector<Text> members;
  for (int32_t k = 1; k <= array.Size(); ++k) members.emplace_back(array.At(k));
  return members;
}

}  // namespace netbar::testing
