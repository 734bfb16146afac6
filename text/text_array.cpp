#include "text/text_array.h"

#include "text/runtime_error.h"

namespace netbar {

TextView TextArray::At(int32_t k) const {
  if (k < 1) RaiseRuntimeError(kIndexBelowOne);
  if (k > Size()) RaiseRuntimeError(kIndexAboveSize);
  return Member(static_cast<size_t>(k) - 1);
}

TextView TextArray::Member(size_t index) const {
  const Span span = spans_[index];
  return TextView(bytes_).substr(span.begin, span.length);
}

void TextArray::Append(TextView member) {
  spans_.push_back({bytes_.size(), member.size()});
  bytes_.append(member);
}

void TextArray::Clear() {
  bytes_.clear();
  spans_.clear();
}

void TextArray::Reserve(size_t bytes, size_t members) {
  bytes_.reserve(bytes);
  spans_.reserve(members);
}

void TextArray::AdoptStorage(Text&& storage) {
  bytes_ = std::move(storage);
  spans_.clear();
}

void TextArray::AppendSpan(size_t begin, size_t length) {
  if (begin > bytes_.size()) begin = bytes_.size();
  if (length > bytes_.size() - begin) length = bytes_.size() - begin;
  spans_.push_back({begin, length});
}

}  // namespace netbar
