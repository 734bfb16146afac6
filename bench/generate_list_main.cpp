// netbar-bench-list FORMAT CLIENTS LIST [EXPECTED]
// Writes a synthetic client list (FORMAT is xml, named or mac) and, when
// EXPECTED is given, the lines a correct conversion gives for it.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/client_list.h"

int main(int argc, char** argv) {
  using netbar::bench::ListFormatFromKey;
  const auto format = argc >= 4 ? ListFormatFromKey(argv[1]) : std::nullopt;
  char* end = nullptr;
  const long long clients = argc >= 4 ? std::strtoll(argv[2], &end, 10) : -1;
  if (!format || argc > 5 || clients < 0 || end == argv[2] || *end != '\0') {
    std::fprintf(stderr, "usage: netbar-bench-list xml|named|mac CLIENTS LIST [EXPECTED]\n");
    return 2;
  }
  std::FILE* list = std::fopen(argv[3], "wb");
  std::FILE* expected = argc == 5 ? std::fopen(argv[4], "wb") : nullptr;
  if (list == nullptr || (argc == 5 && expected == nullptr)) {
    std::perror("netbar-bench-list");
    return 2;
  }
  netbar::bench::ListCounts counts;
  bool ok = netbar::bench::WriteClientList(*format, clients, list, expected, counts);
  ok = std::fclose(list) == 0 && ok;
  if (expected != nullptr) ok = std::fclose(expected) == 0 && ok;
  if (!ok) {
    std::fprintf(stderr, "netbar-bench-list: writing the list failed\n");
    return 2;
  }
  std::printf("%lld clients, %lld accepted, %lld bytes\n", static_cast<long long>(counts.clients),
              static_cast<long long>(counts.accepted), static_cast<long long>(counts.list_bytes));
  return 0;
}
