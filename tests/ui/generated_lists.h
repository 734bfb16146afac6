// Client lists of any length in the MAC-named section format, with the
// lines the conversion writes for them.
#pragma once

#include <cstdio>
#include <string>

namespace netbar::ui::testing {

struct GeneratedList {
  std::string list;
  std::string lines;
};

inline GeneratedList MacSectionList(int clients) {
  GeneratedList generated;
  for (int i = 0; i < clients; ++i) {
    char mac[32];
    std::snprintf(mac, sizeof mac, "00-1A-2B-%02X-%02X-%02X", (i >> 16) & 0xFF, (i >> 8) & 0xFF,
                  i & 0xFF);
    const std::string name = "PC" + std::to_string(i);
    generated.list += std::string("[") + mac + "]\r\nName=" + name + "\r\nArea=0\r\n";
    generated.lines += std::string(mac) + " " + name + "\r\n";
  }
  return generated;
}

}  // namespace netbar::ui::testing
