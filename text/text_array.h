// TextArray: an ordered list of Text members numbered from 1.
//
// The members live in a single buffer, so a list of a million chunks costs
// one allocation for the bytes and one for the spans, not a million. A split
// of a text the caller gives up adopts that text as the buffer, so its
// chunks are not copied at all. A member view stays valid until the array is
// changed.
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

  [[nodiscard]] int32_t Size() const { return static_cast<int32_t>(spans_.size()); }
  [[nodiscard]] bool Empty() const { return spans_.empty(); }

  // Member k, 1-based, bounds-tested.
  [[nodiscard]] TextView At(int32_t k) const;

  void Append(TextView member);
  void Clear();

  // Makes `storage` the array's buffer, with no members yet; AppendSpan then
  // adds members that are pieces of it.
  void AdoptStorage(Text&& storage);
  // A new last member: `length` bytes of the buffer from offset `begin`,
  // clipped to the buffer.
  void AppendSpan(size_t begin, size_t length);
  // The whole buffer, members and whatever lies between them.
  [[nodiscard]] TextView Buffer() const { return bytes_; }
  // Room for members totalling `bytes` bytes and `members` entries.
  void Reserve(size_t bytes, size_t members);

 private:
  [[nodiscard]] TextView Member(size_t index) const;

  struct Span {
    size_t begin;
    size_t length;
  };

  std::string bytes_;
  std::vector<Span> spans_;
};

}  // namespace netbar
