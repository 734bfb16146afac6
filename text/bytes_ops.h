// Conversions between Text and Bytes, and byte-level reads of Bytes.
//
//   BytesToText(Bytes("AB\0C"))       -> "AB"  (up to the first NUL)
//   BytesMid(Bytes("abc"), 0, 2)      -> "ab"  (a start below 1 counts as 1)
//   BytesMid(Bytes("abc"), 3, 5)      -> "c"
//   BytesMid(Bytes("abc"), 9, 1)      -> empty
//   ByteAt(bytes, k): byte k, 1-based; k < 1 raises runtime error 4,
//                     k > length raises runtime error 1.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace netbar {

[[nodiscard]] Bytes TextToBytes(TextView text);
[[nodiscard]] Text BytesToText(const Bytes& bytes);
// Adopts the storage of `bytes` instead of copying it.
[[nodiscard]] Text BytesToText(Bytes&& bytes);
[[nodiscard]] Bytes BytesMid(const Bytes& bytes, int32_t start, int32_t count);
[[nodiscard]] int32_t BytesLength(const Bytes& bytes);
[[nodiscard]] unsigned char ByteAt(const Bytes& bytes, int32_t k);

}  // namespace netbar
