// The runtime errors that the text layer raises. The program's end
// (app/program_end) owns the report; the text layer only names the code.
#pragma once

#include <cstdint>

namespace netbar {

enum RuntimeErrorCode : int32_t {
  kIndexAboveSize = 1,  // "数组成员引用下标超出定义范围"
  kIndexBelowOne = 4,   // "数组成员引用下标必须大于等于1"
};

// Shows the fatal report for `code` and ends the program. Never returns.
[[noreturn]] void RaiseRuntimeError(int32_t code);

}  // namespace netbar
