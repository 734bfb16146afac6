#include "text/list_encoding.h"

#include <string>

#include "text/ansi_code_page.h"
#include "text/unicode_decoding.h"

namespace netbar {
namespace {

constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool IsXmlBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

size_t SkipXmlBlanks(std::string_view text, size_t at) {
  while (at < text.size() && IsXmlBlank(text[at])) ++at;
  return at;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t k = 0; k < a.size(); ++k) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[k]) != lower(b[k])) return false;
  }
  return true;
}

// The value of the encoding pseudo-attribute of an XML declaration that
// opens the file, or nothing when there is no such declaration or it names
// no encoding.
std::string_view DeclaredXmlEncoding(std::string_view bytes) {
  constexpr std::string_view kOpen = "<?xml";
  constexpr std::string_view kAttribute = "encoding";
  if (!bytes.starts_with(kOpen) || bytes.size() == kOpen.size() ||
      !IsXmlBlank(bytes[kOpen.size()])) {
    return {};
  }
  const size_t end = bytes.find("?>", kOpen.size());
  if (end == std::string_view::npos) return {};
  const std::string_view declaration = bytes.substr(0, end);

  for (size_t at = declaration.find(kAttribute); at != std::string_view::npos;
       at = declaration.find(kAttribute, at + 1)) {
    if (!IsXmlBlank(declaration[at - 1])) continue;
    size_t p = SkipXmlBlanks(declaration, at + kAttribute.size());
    if (p >= declaration.size() || declaration[p] != '=') continue;
    p = SkipXmlBlanks(declaration, p + 1);
    if (p >= declaration.size() || (declaration[p] != '"' && declaration[p] != '\'')) continue;
    const size_t close = declaration.find(declaration[p], p + 1);
    if (close == std::string_view::npos) return {};
    return declaration.substr(p + 1, close - p - 1);
  }
  return {};
}

// Well-formed UTF-8 throughout, with one three-byte sequence at least: GBK
// pairs of two bytes can pass for two-byte UTF-8 now and then, but Chinese
// in UTF-8 always takes three.
bool IsUtf8WithThreeByteSequence(std::string_view bytes) {
  bool three_byte_seen = false;
  for (size_t at = 0; at < bytes.size();) {
    const DecodedCharacter c = DecodeUtf8At(bytes, at);
    if (!c.well_formed) return false;
    three_byte_seen = three_byte_seen || c.length == 3;
    at += c.length;
  }
  return three_byte_seen;
}

// Collects UTF-16 and hands it to the code page a piece at a time, so a
// large list needs no UTF-16 copy of itself.
class AnsiWriter {
 public:
  explicit AnsiWriter(size_t expected_size) { out_.reserve(expected_size); }

  void Put(const DecodedCharacter& c) {
    if (used_ + 2 > kPieceUnits) Flush();
    if (!c.well_formed) {
      piece_[used_++] = u'?';
    } else if (c.code_point < 0x10000) {
      piece_[used_++] = static_cast<char16_t>(c.code_point);
    } else {
      const char32_t above = c.code_point - 0x10000;
      piece_[used_++] = static_cast<char16_t>(0xD800 + (above >> 10));
      piece_[used_++] = static_cast<char16_t>(0xDC00 + (above & 0x3FF));
    }
  }

  [[nodiscard]] std::string Finish() && {
    Flush();
    return std::move(out_);
  }

 private:
  static constexpr size_t kPieceUnits = 4096;

  void Flush() {
    AppendInAnsiCodePage(std::u16string_view(piece_, used_), out_);
    used_ = 0;
  }

  std::string out_;
  char16_t piece_[kPieceUnits];
  size_t used_ = 0;
};

}  // namespace

RecognisedEncoding RecogniseListEncoding(std::string_view bytes) {
  if (bytes.starts_with(kUtf16LittleEndianMark)) {
    return {ListEncoding::kUtf16LittleEndian, kUtf16LittleEndianMark.size()};
  }
  if (bytes.starts_with(kUtf16BigEndianMark)) {
    return {ListEncoding::kUtf16BigEndian, kUtf16BigEndianMark.size()};
  }
  if (bytes.starts_with(kUtf8Mark)) return {ListEncoding::kUtf8, kUtf8Mark.size()};
  if (EqualsIgnoringAsciiCase(DeclaredXmlEncoding(bytes), "utf-8")) return {ListEncoding::kUtf8, 0};
  if (IsUtf8WithThreeByteSequence(bytes)) return {ListEncoding::kUtf8, 0};
  return {ListEncoding::kAnsi, 0};
}

Bytes ConvertListToAnsi(Bytes&& file_bytes) {
  const RecognisedEncoding recognised = RecogniseListEncoding(file_bytes.view());
  if (recognised.encoding == ListEncoding::kAnsi) return std::move(file_bytes);

  // Taken over here, so the file's bytes are released as soon as the
  // converted list is made.
  const Bytes file = std::move(file_bytes);
  const std::string_view body = file.view().substr(recognised.mark_length);
  AnsiWriter writer(body.size());
  for (size_t at = 0; at < body.size();) {
    DecodedCharacter c;
    switch (recognised.encoding) {
      case ListEncoding::kUtf16LittleEndian:
        c = DecodeUtf16At(body, at, Utf16ByteOrder::kLittleEndian);
        break;
      case ListEncoding::kUtf16BigEndian:
        c = DecodeUtf16At(body, at, Utf16ByteOrder::kBigEndian);
        break;
      default:
        c = DecodeUtf8At(body, at);
        break;
    }
    writer.Put(c);
    at += c.length;
  }
  return Bytes(std::move(writer).Finish());
}

}  // namespace netbar
