#include "text/text_array.h"

#include "text/runtime_error.h"

namespace netbar {

TextView TextArray::At(int32_t k) const {
  if (k < 1) RaiseRuntimeError(kIndexBelowOne);
  if (k > Size()) RaiseRuntimeError(kIndexAboveSize);
  return Member(static_cast<size_t>(k) - 1);
}

TextView TextArray::Member(size_t index) const {
  const size_t begin = index == 0 ? 0 : ends_[index - 1];
  return TextView(bytes_).substr(begin, ends_[index] - begin);
}

void TextArray::Append(TextView member) {
  bytes_.append(member);
  ends_.push_back(bytes_.size());
}

void TextArray::Clear() {
  bytes_.clear();
  ends_.clear();
}

void TextArray::Reserve(size_t bytes, size_t members) {
  bytes_.reserve(bytes);
  ends_.reserve(members);
}

}  // namespace netbar
