// TextArray: an ordered list of Text members numbered from 1.
//
// The members live one after another in a single buffer, so a list of a
// million chunks costs one allocation for the bytes and one for the ends,
// not a million. A member view stays valid until the array is changed.
//
// At(k) tests k against the bounds, the lower bound first: k < 1 raises
// runtime error 4, k > Size() raises runtime error 1. Neither returns.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/text.h"

namespace netbar {

class TextArray {
 public:
  TextArray() = default;

  [[nodiscard]] int32_t Size() const { return static_cast<int32_t>(ends_.size()); }
  [[nodiscard]] bool Empty() const { return ends_.empty(); }

  // Member k, 1-based, bounds-tested.
  [[nodiscard]] TextView At(int32_t k) const;

  void Append(TextView member);
  void Clear();
  // Room for members totalling `bytes` bytes and `members` entries.
  void Reserve(size_t bytes, size_t members);

 private:
  [[nodiscard]] TextView Member(size_t index) const;

  std::string bytes_;
  std::vector<size_t> ends_;  // end offset of each member in bytes_
};

}  // namespace netbar
