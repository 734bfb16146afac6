#include "text/bytes_ops.h"

#include <cstring>

#include "text/runtime_error.h"

namespace netbar {
namespace {

size_t TextEnd(std::string_view bytes) {
  const void* nul = std::memchr(bytes.data(), '\0', bytes.size());
  return nul ? static_cast<size_t>(static_cast<const char*>(nul) - bytes.data()) : bytes.size();
}

}  // namespace

Bytes TextToBytes(TextView text) { return Bytes(text); }

Text BytesToText(const Bytes& bytes) { return Text(bytes.view().substr(0, TextEnd(bytes.view()))); }

Text BytesToText(Bytes&& bytes) {
  Text text = std::move(bytes).release();
  text.resize(TextEnd(text));
  return text;
}

Bytes BytesMid(const Bytes& bytes, int32_t start, int32_t count) {
  const int64_t length = static_cast<int64_t>(bytes.size());
  int64_t s = start < 1 ? 1 : start;
  if (s > length + 1) s = length + 1;
  int64_t n = count < 0 ? 0 : count;
  if (n > length + 1 - s) n = length + 1 - s;
  if (n == 0) return Bytes();
  return Bytes(bytes.view().substr(static_cast<size_t>(s - 1), static_cast<size_t>(n)));
}

int32_t BytesLength(const Bytes& bytes) { return static_cast<int32_t>(bytes.size()); }

unsigned char ByteAt(const Bytes& bytes, int32_t k) {
  if (k < 1) RaiseRuntimeError(kIndexBelowOne);
  if (static_cast<int64_t>(k) > static_cast<int64_t>(bytes.size()))
    RaiseRuntimeError(kIndexAboveSize);
  return static_cast<unsigned char>(bytes.data()[k - 1]);
}

}  // namespace netbar
