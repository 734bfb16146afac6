// Reading UTF-8 and UTF-16 one character at a time.
//
// Each call decodes the character that begins at byte `at` (which must lie
// inside `bytes`) and says how many bytes it took. A well-formed character
// yields its code point. An ill-formed sequence yields well_formed = false
// and the length of its maximal ill-formed subpart, as Unicode recommends:
// the longest start of a sequence that could still have become well-formed,
// and at least one byte. So a broken character costs one replacement and
// the character after it is still read.
//
//   UTF-8   E4 B8 AD          -> U+4E2D, 3 bytes
//           E4 B8 41          -> ill-formed, 2 bytes (then "A")
//           C0 AF             -> ill-formed, 1 byte, twice (C0 never starts one)
//           ED A0 80          -> ill-formed, 1 byte, three times (a surrogate)
//   UTF-16  3D D8 00 DE (LE)  -> U+1F600, 4 bytes
//           3D D8 41 00 (LE)  -> ill-formed, 2 bytes (a high surrogate alone)
//           00 DE (LE)        -> ill-formed, 2 bytes (a low surrogate alone)
//           41 (one byte)     -> ill-formed, 1 byte (half a code unit)
#pragma once

#include <cstddef>
#include <string_view>

namespace netbar {

struct DecodedCharacter {
  char32_t code_point = 0;  // meaningful only when well_formed
  size_t length = 1;        // bytes taken, at least 1
  bool well_formed = false;
};

enum class Utf16ByteOrder { kLittleEndian, kBigEndian };

[[nodiscard]] DecodedCharacter DecodeUtf8At(std::string_view bytes, size_t at);
[[nodiscard]] DecodedCharacter DecodeUtf16At(std::string_view bytes, size_t at,
                                             Utf16ByteOrder order);

}  // namespace netbar
