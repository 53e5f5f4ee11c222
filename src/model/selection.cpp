#include "selection.h"

#include <cstring>

#include "catalogue.h"
#include "colour_match.h"

bool IsNewPiece(const char *path, int n) {
  std::size_t length = std::strlen(path);
  // No stored path (at most PART_PATH_SIZE - 1 bytes) can begin with a longer one.
  if (length >= PART_PATH_SIZE) return true;
  for (int j = 0; j < n && j < PIECE_SLOTS; ++j)
    if (std::strncmp(PieceTable[j].path, path, length) == 0) return false;
  return true;
}

namespace {

// Clears a slot's path to zeros and copies into it the text held in a
// buffer of textSize bytes, cut to fit.
void SetSlotPath(PartSlot &slot, const char *text, std::size_t textSize) {
  std::memset(slot.path, 0, sizeof slot.path);
  std::size_t length = strnlen(text, textSize);
  if (length > sizeof slot.path - 1) length = sizeof slot.path - 1;
  std::memcpy(slot.path, text, length);
}

int PlaceNewPiece(const PartSlot &chosen, int index, int width, int height) {
  for (int s = 0; s < PIECE_SLOTS; ++s) {
    PartSlot &piece = PieceTable[s];
    if (piece.mode != MODE_OFF || !IsNewPiece(chosen.path, s)) continue;
    Placement at = PiecePlacement(OtherPieceKind(chosen.path), width, height);
    piece.mode = at.mode;
    piece.x = at.x;
    piece.y = at.y;
    SetSlotPath(piece, chosen.path, sizeof chosen.path);
    piece.width = width;
    piece.height = height;
    piece.angle = 0;
    piece.listIndex = index;
    PieceFlipped[s] = false;
    return s;
  }
  return -1;
}

// The back hair takes the hair's file name with kao-b- turned into kao-0-;
// a hair file named otherwise leaves the back hair's path as it was. It
// takes the new hair's colour too.
void SwitchOnBackHair(const PartSlot &hair) {
  PartSlot &backHair = LayerTable[CAT_BACK_HAIR];
  backHair.mode = MODE_SINGLE;
  MatchBackHairColour();
  char name[DIR_PATH_SIZE];
  if (BackHairPath(hair.path, name)) SetSlotPath(backHair, name, sizeof name);
}

}  // namespace

int PlaceChosenPart(int category, const char *entry, int index, int width, int height) {
  if (category < 0 || category >= LAYER_SLOTS || index < 0 || index >= PART_LIST_SIZE) return -1;
  PartSlot &slot = LayerTable[category];
  slot.mode = MODE_SINGLE;
  slot.angle = 0;
  SetSlotPath(slot, entry, DIR_PATH_SIZE);
  slot.width = width;
  slot.height = height;
  slot.listIndex = index;
  if (category != CAT_OTHER) LayerFlipped[category] = false;
  if (category == CAT_HAIR) {
    LayerTable[CAT_BACK_HAIR].width = width;
    LayerTable[CAT_BACK_HAIR].height = height;
    LayerFlipped[CAT_BACK_HAIR] = false;
  }
  slot.blue = slot.green = slot.red = 0;

  if (category < CAT_FACE || category > CAT_GLASSES) return -1;
  if (category == CAT_OTHER) {
    slot.mode = MODE_OFF;
    return PlaceNewPiece(slot, index, width, height);
  }
  Placement at = DefaultPlacement(category, width, height);
  slot.mode = at.mode;
  slot.x = at.x;
  slot.y = at.y;
  if (category == CAT_FACE) {
    slot.blue = 128;
    slot.green = 255;
    slot.red = 255;
  }
  // The ears are filled with the colour they take: they come in the skin's.
  if (category == CAT_EARS) SetSlotColour(slot, SkinColourOf(LayerTable));
  if (category == CAT_HAIR) SwitchOnBackHair(slot);
  return -1;
}
