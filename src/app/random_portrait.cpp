#include "random_portrait.h"

#include <random>

#include "catalogue.h"
#include "custom_colours.h"
#include "part_file.h"
#include "portrait.h"
#include "selection.h"

namespace {

std::mt19937 &Generator() {
  static std::mt19937 generator = [] {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return std::mt19937(static_cast<unsigned>(now.QuadPart ^ (now.QuadPart >> 32) ^ GetTickCount()));
  }();
  return generator;
}

// 0 to bound - 1.
int Below(int bound) { return static_cast<int>(Generator()() % static_cast<unsigned>(bound)); }

// Places PartList[index] in the current category; returns the piece filled.
int Place(int index) {
  int width = 0, height = 0;  // a file that cannot be read is placed as 0 x 0, as a click does
  ReadPartSize(PartList[index], &width, &height);
  return PlaceChosenPart(index, width, height);
}

void SetColour(PartSlot &slot, const RgbColour &colour) {
  slot.red = colour.red;
  slot.green = colour.green;
  slot.blue = colour.blue;
}

// Up to three different pieces in place of those there were.
void PlaceRandomPieces(HWND window) {
  ClearPieces();
  currentPiece = 0;
  LayerTable[CAT_OTHER].mode = MODE_OFF;
  int count = Below((partCount < 3 ? partCount : 3) + 1);
  int chosen[3];
  for (int placed = 0; placed < count;) {
    int index = Below(partCount);
    bool taken = false;
    for (int i = 0; i < placed; ++i) taken = taken || chosen[i] == index;
    if (taken) continue;
    chosen[placed++] = index;
    int piece = Place(index);
    if (piece >= 0) PickDefaultColour(window, piece);
  }
}

// A random part of the current category, which ScanPartFolder has listed.
void PlaceRandomPart(HWND window) {
  int category = currentCategory;
  if (category == CAT_OTHER) {
    PlaceRandomPieces(window);
    return;
  }
  if (partCount == 0) {
    LayerTable[category].mode = MODE_OFF;
    if (category == CAT_HAIR) LayerTable[CAT_BACK_HAIR].mode = MODE_OFF;
    return;
  }
  Place(Below(partCount));
  if (category == CAT_FACE) SetColour(LayerTable[CAT_FACE], SKIN_TONES[Below(CUSTOM_COLOUR_ROW)]);
  if (category == CAT_HAIR) {
    SetColour(LayerTable[CAT_HAIR], HAIR_COLOURS[Below(CUSTOM_COLOUR_ROW)]);
    MatchBackHairColour();
  }
}

}  // namespace

void PlaceRandomParts(HWND window, bool onlyCurrentCategory) {
  int category = currentCategory;
  for (int c = CAT_FACE; c <= CAT_GLASSES; ++c)
    if (c != CAT_DISABLED && (!onlyCurrentCategory || c == category))
      WithCategoryListed(c, [window] { PlaceRandomPart(window); });
}
