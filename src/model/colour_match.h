// Colours that belong together: the ears are skin, the eyebrows, the
// moustache and the beard are hair. Plain rules on the portrait's layers.
#pragma once

#include "custom_colours.h"
#include "portrait.h"

// The ears' colour: the face's while a face is on, else the first skin tone
// of the custom colours.
RgbColour SkinColourOf(const PartSlot layers[LAYER_SLOTS]);

// Gives the ears the skin colour and the eyebrows, moustache and beard the
// hair colour, each only while it is on and mayChange holds for its
// category. Nothing else changes.
void MatchColours(PartSlot layers[LAYER_SLOTS], const bool mayChange[CATEGORY_COUNT]);

// A slot's colour set from an RgbColour.
void SetSlotColour(PartSlot &slot, const RgbColour &colour);
