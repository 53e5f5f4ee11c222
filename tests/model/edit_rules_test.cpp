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

// 左右反転 flips the current single part, the hair with its back half, and
// turns its angle the other way; a pair, a part off and no category stay.
TEST(EditRules, FlipMirrorsTheCurrentSinglePartOnly) {
  const struct {
    int category, mode;
    bool flips;
  } cases[] = {
      {CAT_HAIR, MODE_SINGLE, true}, {CAT_NOSE, MODE_SINGLE, true}, {CAT_OTHER, MODE_SINGLE, true},
      {CAT_EYES, MODE_PAIR, false},  {CAT_MOUTH, MODE_OFF, false},  {CAT_BACK_HAIR, MODE_SINGLE, false},
  };
  for (const auto &c : cases) {
    ResetPortrait();
    currentCategory = c.category;
    currentPiece = 4;
    PartSlot &part = c.category == CAT_OTHER ? PieceTable[4] : LayerTable[c.category];
    LayerTable[CAT_BACK_HAIR].angle = 10;
    part.mode = c.mode, part.angle = 15;
    EXPECT_EQ(FlipCurrentPart(), c.flips ? 1 : 0) << c.category;
    bool flipped = c.category == CAT_OTHER ? PieceFlipped[4] : LayerFlipped[c.category];
    EXPECT_EQ(flipped, c.flips) << c.category;
    EXPECT_EQ(part.angle, c.flips ? -15 : 15) << c.category;
    EXPECT_EQ(LayerFlipped[CAT_BACK_HAIR], c.flips && c.category == CAT_HAIR) << c.category;
  }
  ResetPortrait();
}

}  // namespace
