// What an admin might write instead of the converter: one awk program per
// format that prints the same "MAC name" lines with CR LF, run as
//   LC_ALL=C awk 'PROGRAM' LIST > Netbar_MAC.txt
//
// They read the lists line by line as the generator writes them (one key
// per line, CR LF ends) and apply the same drops: a zero MAC, an empty name,
// and for the XML format a MAC of fewer than twelve digits once blanks, "-"
// and ":" are gone. What they do not do is the converter's GBK character
// rule: a two-byte character whose second byte is "[", "]", "<" or "_" would
// mislead them.
#pragma once

#include <string_view>

#include "bench/client_list.h"

namespace netbar::bench {

[[nodiscard]] std::string_view AwkOneLiner(ListFormat format);

}  // namespace netbar::bench
