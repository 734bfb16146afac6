// Joining, comparing and printing texts.
//
//   ConcatText({"", "x", ""}) -> "x"
//   CompareText("a", "ab")    -> -1   (a prefix is the smaller; bytes unsigned)
//   CompareText("", Text())   -> 0
//   IntToText(-12)            -> "-12"
#pragma once

#include <cstdint>
#include <initializer_list>

#include "text/text.h"

namespace netbar {

[[nodiscard]] Text ConcatText(std::initializer_list<TextView> parts);
[[nodiscard]] int CompareText(TextView a, TextView b);
[[nodiscard]] Text IntToText(int32_t n);

}  // namespace netbar
