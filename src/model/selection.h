// Choosing a part with a click on the palette, and where a chosen part goes
// by default. The placement rules are plain functions on the portrait
// model; SelectPartAt and PickDefaultColour add the window and the files.
#pragma once

#include <windows.h>

#include "model/portrait.h"

// Handles a left click of the editor window: lParam holds the client
// coordinates (x low 16 bits, y high 16 bits, unsigned). A click strictly
// inside a thumbnail cell on show chooses that part; every click ends with
// a full repaint.
void SelectPartAt(HWND window, WPARAM wParam, LPARAM lParam);

// The PartList index whose cell on show holds the client point strictly
// inside it, or -1.
int PaletteIndexAt(int x, int y);

// Kind of a new "other" piece, from characters 10 and 11 of its path
// kao\kao-2-...: "0" then "0" a pair placed higher, "0" then anything else a
// pair placed lower, anything else a single piece.
enum PieceKind { PIECE_PAIR_HIGH, PIECE_PAIR_LOW, PIECE_SINGLE };
PieceKind OtherPieceKind(const char *path);

// Places PartList[index], of width x height pixels, as the choice of the
// current category: the common fields, the category's default mode,
// position and colour, the back hair with the hair; an "other" part goes to
// the first free piece instead, unless an earlier piece already has its
// path. Returns the piece index filled, or -1 (the piece's colour is then
// still to be picked from its file).
int PlaceChosenPart(int index, int width, int height);

// The default mode and position of a part of width x height in category (a
// PartSlot position, relative to the canvas corner); the fixed centring
// numbers do not follow a resized canvas.
struct Placement {
  int mode;
  int x;
  int y;
};
Placement DefaultPlacement(int category, int width, int height);
Placement PiecePlacement(PieceKind kind, int width, int height);

// True when none of PieceTable[0] to PieceTable[n - 1] has a path whose
// first strlen(path) bytes are path's (their mode not considered).
bool IsNewPiece(const char *path, int n);

// Sets the colour of PieceTable[s] from the first pixel of its file that is
// neither pure white nor pure black, bottom row first (0, 0, 0 when there is
// none). A file that cannot be loaded, or an image or memory context that
// cannot be made, leaves the colour as it was. window lends its device
// context and owns the failure messages.
void PickDefaultColour(HWND window, int s);

// The scan of PickDefaultColour on 24-bit pixels stored bottom row first,
// paddedWidth per row, of which the first width of each row count. Returns
// 1 and the colour of the first pixel found, or 0.
int FindFirstColour(const unsigned char *pixels, int paddedWidth, int width, int height,
                    int *blue, int *green, int *red);
