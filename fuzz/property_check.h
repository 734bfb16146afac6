// How a fuzz target states a property: a broken one aborts the process, so
// that libFuzzer records the input as a finding, with the property named on
// standard error.
#pragma once

#include <cstdio>

#define NETBAR_REQUIRE(condition)                                                             \
  do {                                                                                        \
    if (!(condition)) {                                                                       \
      std::fprintf(stderr, "property broken at %s:%d: %s\n", __FILE__, __LINE__, #condition); \
      __builtin_trap();                                                                       \
    }                                                                                         \
  } while (0)

namespace netbar {

// Makes a runtime error report (an array read out of bounds, a failed
// memory request) a finding instead of an ordinary end of the process,
// which libFuzzer would not notice.
void TreatRuntimeErrorsAsFindings();

}  // namespace netbar
