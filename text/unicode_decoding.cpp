#include "text/unicode_decoding.h"

#include <cstdint>

namespace netbar {
namespace {

uint8_t ByteAtOffset(std::string_view bytes, size_t at) { return static_cast<uint8_t>(bytes[at]); }

// The range that the second byte of a sequence must lie in, by its first
// byte; it excludes overlong forms, surrogates and code points above
// U+10FFFF. Later bytes are always 80..BF.
struct SecondByteRange {
  uint8_t low, high;
};

SecondByteRange SecondByteRangeOf(uint8_t lead) {
  switch (lead) {
    case 0xE0:
      return {0xA0, 0xBF};
    case 0xED:
      return {0x80, 0x9F};
    case 0xF0:
      return {0x90, 0xBF};
    case 0xF4:
      return {0x80, 0x8F};
    default:
      return {0x80, 0xBF};
  }
}

// Bytes of the sequence that `lead` opens; 0 when it opens none.
size_t SequenceLengthOf(uint8_t lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

constexpr DecodedCharacter IllFormed(size_t length) { return {0, length, false}; }

char16_t UnitAt(std::string_view bytes, size_t at, Utf16ByteOrder order) {
  const uint8_t first = ByteAtOffset(bytes, at);
  const uint8_t second = ByteAtOffset(bytes, at + 1);
  return order == Utf16ByteOrder::kLittleEndian ? static_cast<char16_t>(second << 8 | first)
                                                : static_cast<char16_t>(first << 8 | second);
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

DecodedCharacter DecodeUtf8At(std::string_view bytes, size_t at) {
  const uint8_t lead = ByteAtOffset(bytes, at);
  const size_t length = SequenceLengthOf(lead);
  if (length == 0) return IllFormed(1);
  if (length == 1) return {lead, 1, true};

  static constexpr uint8_t kLeadPayloadMask[] = {0, 0, 0x1F, 0x0F, 0x07};
  char32_t code_point = lead & kLeadPayloadMask[length];
  for (size_t k = 1; k < length; ++k) {
    if (at + k >= bytes.size()) return IllFormed(k);
    const uint8_t next = ByteAtOffset(bytes, at + k);
    const SecondByteRange range = k == 1 ? SecondByteRangeOf(lead) : SecondByteRange{0x80, 0xBF};
    if (next < range.low || next > range.high) return IllFormed(k);
    code_point = code_point << 6 | (next & 0x3F);
  }
  return {code_point, length, true};
}

DecodedCharacter DecodeUtf16At(std::string_view bytes, size_t at, Utf16ByteOrder order) {
  if (bytes.size() - at < 2) return IllFormed(1);
  const char16_t unit = UnitAt(bytes, at, order);
  if (IsLowSurrogate(unit)) return IllFormed(2);
  if (!IsHighSurrogate(unit)) return {unit, 2, true};
  if (bytes.size() - at < 4) return IllFormed(2);
  const char16_t low = UnitAt(bytes, at + 2, order);
  if (!IsLowSurrogate(low)) return IllFormed(2);
  return {0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10 | (low - 0xDC00)), 4, true};
}

}  // namespace netbar
