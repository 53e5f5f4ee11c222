#include "edit_rules.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// A drag moves as far as that many arrow presses would: it stops at the
// limit it reaches, and a value already beyond it stays.
TEST(EditRules, ADragMovesAsFarAsTheArrowsWould) {
  struct Case {
    int value, delta, want;
  } cases[] = {
      {10, 5, 15},   {10, -5, 5},   {78, 5, 80},       {-38, -5, -40},  {80, 1, 80},
      {95, 3, 95},   {95, -3, 92},  {-60, -1, -60},    {-60, 4, -56},   {0, 0, 0},
      {INT_MIN, -1, INT_MIN},       {INT_MIN, INT_MAX, -1},             {INT_MAX, INT_MIN, -1},
  };
  for (const Case &c : cases)
    EXPECT_EQ(MoveWithinLimits(c.value, c.delta, -40, 80), c.want) << c.value << " by " << c.delta;
}

}  // namespace
