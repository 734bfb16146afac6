// Code page 936 as Windows defines it, so that the console converter on Linux
// writes the bytes that the Windows program writes on a GBK system.
//
// glibc's GBK converter agrees with Windows for every character outside the
// private-use area. Windows also gives private-use characters a code:
// U+E000..U+E765 the user-defined areas of GBK, U+E766..U+E864 the codes that
// GBK leaves unassigned, in code order, and U+F8F5 the single byte 0xFF. The
// table below adds those, so the two builds agree on every character.
//
// The table is built on the first conversion and kept for the program's life.
#include "text/ansi_code_page.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <memory>

namespace netbar {
namespace {

// A character's bytes in code page 936: 0 for none, 0x80 or 0xFF for those
// two single bytes, and lead << 8 | trail for a two-byte code. ASCII never
// reaches the table.
using Cp936Table = std::array<uint16_t, 0x10000>;

constexpr char32_t kFirstPrivateUse = 0xE000;

// GBK's user-defined areas in the order in which Windows numbers them from
// U+E000: rows AA..AF and F8..FE with trail bytes A1..FE, then rows A1..A7
// with trail bytes 40..A0 (0x7F is no trail byte).
struct UserDefinedArea {
  uint8_t first_lead, last_lead, first_trail, last_trail;
};
constexpr UserDefinedArea kUserDefinedAreas[] = {
    {0xAA, 0xAF, 0xA1, 0xFE},
    {0xF8, 0xFE, 0xA1, 0xFE},
    {0xA1, 0xA7, 0x40, 0xA0},
};

// The codes that GBK leaves unassigned, which Windows numbers on from U+E766;
// each run lies within one lead byte and skips the trail byte 0x7F.
struct CodeRun {
  uint16_t first, last;
};
constexpr CodeRun kUnassignedCodes[] = {
    {0xA2AB, 0xA2B0}, {0xA2E3, 0xA2E4}, {0xA2EF, 0xA2F0}, {0xA2FD, 0xA2FE}, {0xA4F4, 0xA4FE},
    {0xA5F7, 0xA5FE}, {0xA6B9, 0xA6C0}, {0xA6D9, 0xA6DF}, {0xA6EC, 0xA6ED}, {0xA6F3, 0xA6F3},
    {0xA6F6, 0xA6FE}, {0xA7C2, 0xA7D0}, {0xA7F2, 0xA7FE}, {0xA896, 0xA8A0}, {0xA8BC, 0xA8BC},
    {0xA8BF, 0xA8BF}, {0xA8C1, 0xA8C4}, {0xA8EA, 0xA8FE}, {0xA958, 0xA958}, {0xA95B, 0xA95B},
    {0xA95D, 0xA95F}, {0xA989, 0xA995}, {0xA997, 0xA9A3}, {0xA9F0, 0xA9FE}, {0xD7FA, 0xD7FE},
    {0xFE50, 0xFEA0},
};

constexpr uint8_t kNoTrailByte = 0x7F;

void AddGlibcCharacters(Cp936Table& table) {
  const iconv_t converter = iconv_open("CP936", "UTF-16LE");
  // Without glibc's GBK converter only ASCII and the private-use codes
  // below convert; every other character becomes "?".
  if (converter == reinterpret_cast<iconv_t>(-1)) return;
  for (char32_t c = 0x80; c < 0x10000; ++c) {
    if (c >= 0xD800 && c < 0xE000) continue;  // surrogates are no characters
    char in[2] = {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    char out[4];
    char* in_at = in;
    char* out_at = out;
    size_t in_left = sizeof in;
    size_t out_left = sizeof out;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    if (iconv(converter, &in_at, &in_left, &out_at, &out_left) != 0) continue;
    const auto first = static_cast<uint8_t>(out[0]);
    const size_t length = sizeof out - out_left;
    if (length == 1) table[c] = first;
    if (length == 2) table[c] = static_cast<uint16_t>(first << 8 | static_cast<uint8_t>(out[1]));
  }
  iconv_close(converter);
}

void AddWindowsPrivateUseCharacters(Cp936Table& table) {
  char32_t c = kFirstPrivateUse;
  for (const UserDefinedArea& area : kUserDefinedAreas) {
    for (unsigned lead = area.first_lead; lead <= area.last_lead; ++lead) {
      for (unsigned trail = area.first_trail; trail <= area.last_trail; ++trail) {
        if (trail == kNoTrailByte) continue;
        table[c++] = static_cast<uint16_t>(lead << 8 | trail);
      }
    }
  }
  for (const CodeRun& run : kUnassignedCodes) {
    for (unsigned code = run.first; code <= run.last; ++code) {
      if ((code & 0xFF) == kNoTrailByte) continue;
      table[c++] = static_cast<uint16_t>(code);
    }
  }
  table[0xF8F5] = 0xFF;
}

const Cp936Table& TheCp936Table() {
  static const std::unique_ptr<const Cp936Table> table = [] {
    auto built = std::make_unique<Cp936Table>();
    built->fill(0);
    AddGlibcCharacters(*built);
    AddWindowsPrivateUseCharacters(*built);
    return std::unique_ptr<const Cp936Table>(std::move(built));
  }();
  return *table;
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

}  // namespace

void AppendInAnsiCodePage(std::u16string_view text, std::string& out) {
  const Cp936Table* table = nullptr;
  for (size_t k = 0; k < text.size(); ++k) {
    const char16_t unit = text[k];
    if (unit < 0x80) {
      out.push_back(static_cast<char>(unit));
      continue;
    }
    if (IsHighSurrogate(unit)) {
      ++k;  // code page 936 has no character beyond U+FFFF
      out.push_back('?');
      continue;
    }
    if (!table) table = &TheCp936Table();
    const uint16_t code = (*table)[unit];
    if (code == 0) {
      out.push_back('?');
    } else if (code <= 0xFF) {
      out.push_back(static_cast<char>(code));
    } else {
      out.push_back(static_cast<char>(code >> 8));
      out.push_back(static_cast<char>(code & 0xFF));
    }
  }
}

}  // namespace netbar
