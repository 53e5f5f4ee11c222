#include "colour_match.h"

namespace {

RgbColour ColourOf(const PartSlot &slot) { return {slot.red, slot.green, slot.blue}; }

}  // namespace

void SetSlotColour(PartSlot &slot, const RgbColour &colour) {
  slot.red = colour.red;
  slot.green = colour.green;
  slot.blue = colour.blue;
}

RgbColour SkinColourOf(const PartSlot layers[LAYER_SLOTS]) {
  return layers[CAT_FACE].mode != MODE_OFF ? ColourOf(layers[CAT_FACE]) : SKIN_TONES[0];
}

namespace {

// The eyebrows', moustache's and beard's colour: the hair's while the hair
// is on, else black.
RgbColour HairColourOf(const PartSlot layers[LAYER_SLOTS]) {
  return layers[CAT_HAIR].mode != MODE_OFF ? ColourOf(layers[CAT_HAIR]) : RgbColour{0, 0, 0};
}

}  // namespace

void MatchColours(PartSlot layers[LAYER_SLOTS], const bool mayChange[CATEGORY_COUNT]) {
  const struct {
    int category;
    RgbColour colour;
  } matches[] = {
      {CAT_EARS, SkinColourOf(layers)},
      {CAT_EYEBROWS, HairColourOf(layers)},
      {CAT_MOUSTACHE, HairColourOf(layers)},
      {CAT_BEARD, HairColourOf(layers)},
  };
  for (const auto &match : matches)
    if (mayChange[match.category] && layers[match.category].mode != MODE_OFF)
      SetSlotColour(layers[match.category], match.colour);
}
