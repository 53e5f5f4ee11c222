#include "custom_colours.h"

const RgbColour SKIN_TONES[CUSTOM_COLOUR_ROW] = {
    {255, 232, 214}, {248, 214, 186}, {238, 196, 160}, {224, 172, 128},
    {198, 140, 98},  {166, 110, 74},  {124, 80, 54},   {86, 56, 40},
};

const RgbColour HAIR_COLOURS[CUSTOM_COLOUR_ROW] = {
    {0, 0, 0},     {72, 46, 30},    {112, 72, 40},   {150, 84, 42},
    {164, 62, 34}, {232, 196, 110}, {150, 150, 150}, {238, 238, 238},
};
