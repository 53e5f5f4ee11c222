#include "colour_match.h"

#include <gtest/gtest.h>

namespace {

bool operator==(const RgbColour &a, const RgbColour &b) {
  return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

RgbColour ColourOf(const PartSlot &slot) { return {slot.red, slot.green, slot.blue}; }

// The ears take the face's skin (the first skin tone without a face), the
// eyebrows, moustache and beard the hair's colour (black without hair);
// a part that is off, a category that may not change and every other part
// keep their colours.
TEST(ColourMatch, EarsTakeTheSkinAndBrowsMoustacheAndBeardTheHair) {
  const RgbColour FACE = {198, 140, 98}, HAIR = {164, 62, 34}, OLD = {1, 2, 3}, BLACK = {0, 0, 0};
  const struct {
    bool face, hair, beardOn, beardMayChange;
    RgbColour ears, brows, beard;
  } cases[] = {
      {true, true, true, true, FACE, HAIR, HAIR},
      {false, true, true, true, SKIN_TONES[0], HAIR, HAIR},
      {true, false, true, true, FACE, BLACK, BLACK},
      {false, false, false, true, SKIN_TONES[0], BLACK, OLD},
      {true, true, true, false, FACE, HAIR, OLD},
  };
  for (const auto &c : cases) {
    PartSlot layers[LAYER_SLOTS] = {};
    for (PartSlot &slot : layers) slot.mode = MODE_SINGLE, SetSlotColour(slot, OLD);
    layers[CAT_FACE].mode = c.face ? MODE_SINGLE : MODE_OFF;
    SetSlotColour(layers[CAT_FACE], FACE);
    layers[CAT_HAIR].mode = c.hair ? MODE_SINGLE : MODE_OFF;
    SetSlotColour(layers[CAT_HAIR], HAIR);
    layers[CAT_BEARD].mode = c.beardOn ? MODE_SINGLE : MODE_OFF;
    bool mayChange[CATEGORY_COUNT];
    for (bool &m : mayChange) m = true;
    mayChange[CAT_BEARD] = c.beardMayChange;
    MatchColours(layers, mayChange);
    SCOPED_TRACE(testing::Message() << "face " << c.face << ", hair " << c.hair << ", beard " << c.beardOn
                                    << c.beardMayChange);
    EXPECT_TRUE(ColourOf(layers[CAT_EARS]) == c.ears);
    EXPECT_TRUE(ColourOf(layers[CAT_EYEBROWS]) == c.brows);
    EXPECT_TRUE(ColourOf(layers[CAT_MOUSTACHE]) == c.brows);
    EXPECT_TRUE(ColourOf(layers[CAT_BEARD]) == c.beard);
    for (int other : {CAT_BACK_HAIR, CAT_OTHER, CAT_EYES, CAT_NOSE, CAT_MOUTH, CAT_GLASSES})
      EXPECT_TRUE(ColourOf(layers[other]) == OLD) << other;
  }
}

}  // namespace
