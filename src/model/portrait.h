// The portrait being edited: one placed part per category, up to ten extra
// pieces, and the canvas rectangle. Process-wide, alive from start to exit.
#pragma once

enum PartCategory {
  CAT_BACK_HAIR = 0,
  CAT_FACE = 1,
  CAT_OTHER = 2,
  CAT_EYES = 3,
  CAT_EYEBROWS = 4,
  CAT_NOSE = 5,
  CAT_MOUTH = 6,
  CAT_EARS = 7,
  CAT_DISABLED = 8,
  CAT_MOUSTACHE = 9,
  CAT_BEARD = 10,
  CAT_HAIR = 11,
  CAT_GLASSES = 12,
};

// Slots 0 to 12 are the categories; 13 to 19 are never used.
const int CATEGORY_COUNT = CAT_GLASSES + 1;

// Each category's name, in slot order, for files and reports: back-hair,
// face, other, eyes, eyebrows, nose, mouth, ears, disabled, moustache,
// beard, hair, glasses.
extern const char *const CATEGORY_NAMES[CATEGORY_COUNT];

// The category whose name is name, or -1.
int CategoryNamed(const char *name);

enum PartMode { MODE_OFF = 0, MODE_SINGLE = 1, MODE_PAIR = 2 };

// The canvas a portrait is made for, and the picture that is saved.
const int CANVAS_WIDTH = 80;
const int CANVAS_HEIGHT = 100;

const int LAYER_SLOTS = 20;        // slots 0..12 are used, 13..19 never
const int PIECE_SLOTS = 10;
const int PART_PATH_SIZE = 260;    // a slot's path buffer
const int DIR_PATH_SIZE = 256;     // baseDir, PartList entries, file names

// One placed part. The colour is held blue, green, red: the byte order of a
// 24-bit bitmap pixel.
struct PartSlot {
  int mode;
  char path[PART_PATH_SIZE];  // relative to baseDir, e.g. kao\kao-3-001.bmp
  int x;                      // left edge of the (left) copy, from canvasX
  int y;                      // top edge, from canvasY
  int width;
  int height;
  int angle;                  // 1/180 radian units, clockwise on screen
  int blue;
  int green;
  int red;
  int listIndex;              // PartList index it was chosen from
};

extern PartSlot LayerTable[LAYER_SLOTS];
extern PartSlot PieceTable[PIECE_SLOTS];

// Parts mirrored left to right about their own centre (左右反転), beside
// the tables: a category's part in its slot, each piece in its own (slot 2,
// the pieces' working copy, is never flipped). A part chosen anew comes
// unflipped.
extern bool LayerFlipped[LAYER_SLOTS];
extern bool PieceFlipped[PIECE_SLOTS];

extern int canvasX;
extern int canvasY;
extern int canvasWidth;
extern int canvasHeight;

extern int currentCategory;
extern int currentPiece;
extern char baseDir[DIR_PATH_SIZE];

// Puts every record back to its start value: all parts off and unflipped, canvas at
// (40, 45) sized 80 x 100, category and piece 0. baseDir is left alone.
void ResetPortrait();

// Copies position, size, angle and colour of PieceTable[currentPiece] into
// LayerTable slot 2, and back: the pieces are edited through slot 2, their
// working copy, which is no layer of its own (the pieces are drawn from
// PieceTable).
void LoadCurrentPiece();
void StoreCurrentPiece();

// Switches every piece off.
void ClearPieces();

// Gives the back hair the hair's colour: the two halves always match.
void MatchBackHairColour();
