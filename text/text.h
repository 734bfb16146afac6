// Text values: Text, TextView and Bytes.
//
// All text is bytes in the system's ANSI code page (GBK on the netbar servers).
// Nothing here converts between code pages.
//
// Text      A sequence of bytes without NUL. Positions count bytes from 1;
//           lengths and positions are signed 32-bit. The empty text is the
//           value of every text that was never set.
// Bytes     A counted byte sequence that may hold NUL bytes.
//
// The GBK character rule, used by every operation that must not split a
// two-byte character: read from the start, a byte of 0x80 or above opens a
// two-byte character made of itself and the byte after it, whatever that
// byte is; every other byte is a character by itself. A byte of 0x80 or above
// that is the last byte of a text is a lone lead byte; each operation says
// what becomes of it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace netbar {

using Text = std::string;
using TextView = std::string_view;

// Owns a counted run of bytes. Moving is cheap; copying copies.
class Bytes {
 public:
  Bytes() = default;
  explicit Bytes(std::string data) : data_(std::move(data)) {}
  explicit Bytes(std::string_view data) : data_(data) {}

  [[nodiscard]] const char* data() const { return data_.data(); }
  [[nodiscard]] size_t size() const { return data_.size(); }
  [[nodiscard]] bool empty() const { return data_.empty(); }
  [[nodiscard]] std::string_view view() const { return data_; }

  // The storage itself, for the few places that fill or adopt it in place.
  std::string& storage() { return data_; }
  std::string release() && { return std::move(data_); }

  friend bool operator==(const Bytes&, const Bytes&) = default;

 private:
  std::string data_;
};

// True when the byte opens a two-byte character by the GBK character rule.
constexpr bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

}  // namespace netbar
