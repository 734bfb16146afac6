// The exit status of a process that ended through the fatal report: -1 on
// Windows (all bits set), which POSIX shows as 255.
#pragma once

#include <gtest/gtest.h>

namespace netbar::testing {

inline bool ExitedAfterFatalReport(int status) {
#ifdef _WIN32
  return status == -1;
#else
  return ::testing::ExitedWithCode(255)(status);
#endif
}

}  // namespace netbar::testing
