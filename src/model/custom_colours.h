// The colours the colour dialog offers in its custom row, and which a
// random portrait takes for the face and the hair: natural skin tones and
// hair colours.
#pragma once

struct RgbColour {
  int red;
  int green;
  int blue;
};

const int CUSTOM_COLOUR_ROW = 8;

// Light to dark.
extern const RgbColour SKIN_TONES[CUSTOM_COLOUR_ROW];

// Black, dark brown, brown, chestnut, auburn, blond, grey, white.
extern const RgbColour HAIR_COLOURS[CUSTOM_COLOUR_ROW];
