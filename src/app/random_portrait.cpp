#include "random_portrait.h"

#include <random>

#include "catalogue.h"
#include "colour_match.h"
#include "custom_colours.h"
#include "editor_window.h"
#include "paint_failure.h"
#include "part_file.h"
#include "portrait.h"
#include "random_rules.h"
#include "resource.h"
#include "zoom_view.h"

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
  if (category == CAT_FACE) SetSlotColour(LayerTable[CAT_FACE], SKIN_TONES[Below(CUSTOM_COLOUR_ROW)]);
  if (category == CAT_HAIR) {
    SetSlotColour(LayerTable[CAT_HAIR], HAIR_COLOURS[Below(CUSTOM_COLOUR_ROW)]);
    MatchBackHairColour();
  }
}

}  // namespace

void PlaceRandomParts(HWND window, bool onlyCurrentCategory) {
  static PartListing listing;
  Failure failure = {};
  bool mayChange[CATEGORY_COUNT];
  for (int c = 0; c < CATEGORY_COUNT; ++c) {
    mayChange[c] = RandomMayChange(c, onlyCurrentCategory, currentCategory, CategoryLocked);
    if (!mayChange[c]) continue;
    ListCategory(c, &listing);
    PlaceRandomPart(c, listing, &failure);
  }
  // What it placed in colours that belong together.
  MatchColours(LayerTable, mayChange);
  // As a click's: one message, as in a paint.
  ShowPaintFailure(window, failure);
}

bool CurrentCategoryLockable() { return LockableCategory(currentCategory); }

bool CurrentCategoryLocked() { return LockableCategory(currentCategory) && CategoryLocked[currentCategory]; }

void ToggleCurrentCategoryLock() {
  if (LockableCategory(currentCategory)) CategoryLocked[currentCategory] = !CategoryLocked[currentCategory];
}

void DrawLockMarks(HWND window, HDC dc) {
  // A padlock, 7 x 6 pixels: the shackle's two rows, then the body with
  // its keyhole. Drawn in the buttons' text colour, a system brush.
  static const char *const PADLOCK[] = {
      "..###..", ".#...#.", "#######", "###.###", "###.###", "#######",
  };
  // Enlarged with the display's pictures, each dot a block.
  const int dot = PictureScale(EditorDpi()), width = 7 * dot, height = 6 * dot;
  HBRUSH ink = GetSysColorBrush(COLOR_BTNTEXT);
  for (int category = CAT_FACE; category <= CAT_GLASSES; ++category) {
    if (!LockableCategory(category) || !CategoryLocked[category]) continue;
    HWND button = GetDlgItem(window, IDC_CATEGORY_BASE + category);
    if (!button) continue;
    RECT r = ChildRect(window, button);
    // Centred above the button, in the dialog's margin; never above the
    // client area's top.
    int left = (r.left + r.right - width) / 2, top = r.top - height - 1;
    if (top < 0) top = 0;
    for (int y = 0; y < height / dot; ++y)
      for (int x = 0; x < width / dot; ++x)
        if (PADLOCK[y][x] == '#') {
          RECT block = {left + x * dot, top + y * dot, left + (x + 1) * dot, top + (y + 1) * dot};
          FillRect(dc, &block, ink);
        }
  }
}
