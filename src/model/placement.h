// Where a newly chosen part goes: its mode and its position on the canvas,
// from its category (or, for an "other" piece, its file name) and its size.
// Plain rules on numbers, shared by the program and the tool that draws the
// bundled parts.
#pragma once

#include "portrait.h"

// Kind of an "other" piece, from characters 10 and 11 of its path
// kao\kao-2-...: "0" then "0" a pair placed higher, "0" then anything else a
// pair placed lower, anything else a single piece.
enum PieceKind { PIECE_PAIR_HIGH, PIECE_PAIR_LOW, PIECE_SINGLE };
PieceKind OtherPieceKind(const char *path);

// The default mode and position of a part of width x height pixels (a
// PartSlot position, relative to the canvas corner). Halving rounds toward
// zero; the centring follows the 80 x 100 canvas, not a resized one.
struct Placement {
  int mode;
  int x;
  int y;
};
Placement DefaultPlacement(int category, int width, int height);
Placement PiecePlacement(PieceKind kind, int width, int height);
