#include "portrait.h"

#include <cstring>

const char *const CATEGORY_NAMES[CATEGORY_COUNT] = {
    "back-hair", "face",     "other",     "eyes",  "eyebrows", "nose",    "mouth",
    "ears",      "disabled", "moustache", "beard", "hair",     "glasses",
};

int CategoryNamed(const char *name) {
  for (int category = 0; category < CATEGORY_COUNT; ++category)
    if (std::strcmp(CATEGORY_NAMES[category], name) == 0) return category;
  return -1;
}

PartSlot LayerTable[LAYER_SLOTS];
PartSlot PieceTable[PIECE_SLOTS];
bool LayerFlipped[LAYER_SLOTS];
bool PieceFlipped[PIECE_SLOTS];

int canvasX = 40;
int canvasY = 45;
int canvasWidth = CANVAS_WIDTH;
int canvasHeight = CANVAS_HEIGHT;

int currentCategory = 0;
int currentPiece = 0;
char baseDir[DIR_PATH_SIZE];

void ResetPortrait() {
  std::memset(LayerTable, 0, sizeof LayerTable);
  std::memset(PieceTable, 0, sizeof PieceTable);
  std::memset(LayerFlipped, 0, sizeof LayerFlipped);
  std::memset(PieceFlipped, 0, sizeof PieceFlipped);
  canvasX = 40;
  canvasY = 45;
  canvasWidth = CANVAS_WIDTH;
  canvasHeight = CANVAS_HEIGHT;
  currentCategory = 0;
  currentPiece = 0;
}

namespace {

void CopyEditedFields(PartSlot &to, const PartSlot &from) {
  to.x = from.x;
  to.y = from.y;
  to.width = from.width;
  to.height = from.height;
  to.angle = from.angle;
  to.blue = from.blue;
  to.green = from.green;
  to.red = from.red;
}

}  // namespace

void LoadCurrentPiece() { CopyEditedFields(LayerTable[CAT_OTHER], PieceTable[currentPiece]); }

void StoreCurrentPiece() { CopyEditedFields(PieceTable[currentPiece], LayerTable[CAT_OTHER]); }

void ClearPieces() {
  for (PartSlot &piece : PieceTable) piece.mode = MODE_OFF;
}

void MatchBackHairColour() {
  PartSlot &backHair = LayerTable[CAT_BACK_HAIR];
  const PartSlot &hair = LayerTable[CAT_HAIR];
  backHair.blue = hair.blue;
  backHair.green = hair.green;
  backHair.red = hair.red;
}
