#include "ui/drop_effect.h"

#include <gtest/gtest.h>
#include <ole2.h>

#include <string>

namespace netbar::ui {
namespace {

constexpr DWORD C = DROPEFFECT_COPY;
constexpr DWORD M = DROPEFFECT_MOVE;
constexpr DWORD L = DROPEFFECT_LINK;
constexpr DWORD N = DROPEFFECT_NONE;

// Every set of allowed effects, in the order of the rows' columns below.
constexpr DWORD kAllowedSets[8] = {0, C, M, L, C | M, C | L, M | L, C | M | L};

struct KeyRow {
  const char* keys;
  DWORD key_state;
  DWORD expected[8];  // one per allowed set
};

// MK_ALT and the mouse buttons change nothing; each key row is given with
// and without them.
constexpr KeyRow kKeyRows[] = {
    {"neither", 0, {N, C, M, L, C, C, M, C}},
    {"Ctrl", MK_CONTROL, {N, C, N, N, C, C, N, C}},
    {"Shift", MK_SHIFT, {N, N, M, N, M, N, M, M}},
    {"Ctrl+Shift", MK_CONTROL | MK_SHIFT, {N, N, N, N, N, N, N, N}},
};

TEST(DropEffectFor, FollowsTheKeysAndTheAllowedEffects) {
  for (const KeyRow& row : kKeyRows) {
    for (const DWORD extra :
         {DWORD{0}, DWORD{MK_ALT}, DWORD{MK_LBUTTON}, DWORD{MK_RBUTTON | MK_ALT}}) {
      for (int set = 0; set < 8; ++set) {
        SCOPED_TRACE(std::string(row.keys) + " extra=" + std::to_string(extra) +
                     " allowed=" + std::to_string(kAllowedSets[set]));
        EXPECT_EQ(DropEffectFor(true, row.key_state | extra, kAllowedSets[set]), row.expected[set]);
      }
    }
  }
}

TEST(DropEffectFor, IsNoneWhileTheDragIsNotAccepted) {
  for (const KeyRow& row : kKeyRows) {
    for (const DWORD allowed : kAllowedSets) {
      SCOPED_TRACE(std::string(row.keys) + " allowed=" + std::to_string(allowed));
      EXPECT_EQ(DropEffectFor(false, row.key_state, allowed), N);
    }
  }
}

TEST(DropEffectFor, IgnoresEffectsBeyondCopyMoveAndLink) {
  EXPECT_EQ(DropEffectFor(true, 0, DROPEFFECT_SCROLL), N);
  EXPECT_EQ(DropEffectFor(true, 0, DROPEFFECT_SCROLL | M), M);
}

}  // namespace
}  // namespace netbar::ui
