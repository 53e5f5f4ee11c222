#include "random_portrait.h"

#include <random>

#include "catalogue.h"
#include "custom_colours.h"
#include "paint_failure.h"
#include "part_file.h"
#include "portrait.h"

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

void SetColour(PartSlot &slot, const RgbColour &colour) {
  slot.red = colour.red;
  slot.green = colour.green;
  slot.blue = colour.blue;
}

// Up to three different pieces of the listing in place of those there were.
void PlaceRandomPieces(const PartListing &listing, Failure *failure) {
  ClearPieces();
  currentPiece = 0;
  int count = Below((listing.count < 3 ? listing.count : 3) + 1);
  int chosen[3];
  for (int placed = 0; placed < count;) {
    int index = Below(listing.count);
    bool taken = false;
    for (int i = 0; i < placed; ++i) taken = taken || chosen[i] == index;
    if (taken) continue;
    chosen[placed++] = index;
    PlaceListedPart(CAT_OTHER, listing.entries[index], index, failure);
  }
}

// A random part of category, from its listing.
void PlaceRandomPart(int category, const PartListing &listing, Failure *failure) {
  if (category == CAT_OTHER) {
    PlaceRandomPieces(listing, failure);
    return;
  }
  if (listing.count == 0) {
    LayerTable[category].mode = MODE_OFF;
    if (category == CAT_HAIR) LayerTable[CAT_BACK_HAIR].mode = MODE_OFF;
    return;
  }
  int index = Below(listing.count);
  PlaceListedPart(category, listing.entries[index], index, failure);
  if (category == CAT_FACE) SetColour(LayerTable[CAT_FACE], SKIN_TONES[Below(CUSTOM_COLOUR_ROW)]);
  if (category == CAT_HAIR) {
    SetColour(LayerTable[CAT_HAIR], HAIR_COLOURS[Below(CUSTOM_COLOUR_ROW)]);
    MatchBackHairColour();
  }
}

}  // namespace

void PlaceRandomParts(HWND window, bool onlyCurrentCategory) {
  static PartListing listing;
  Failure failure = {};
  for (int c = CAT_FACE; c <= CAT_GLASSES; ++c)
    if (c != CAT_DISABLED && (!onlyCurrentCategory || c == currentCategory)) {
      ListCategory(c, &listing);
      PlaceRandomPart(c, listing, &failure);
    }
  // As a click's: one message, as in a paint.
  ShowPaintFailure(window, failure);
}
