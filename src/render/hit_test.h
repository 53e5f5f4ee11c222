// Which part of the portrait is under a point of the editor window, as the
// compositor draws it: the topmost copy whose pixel there is not
// transparent.
#pragma once

#include <windows.h>

#include "failure.h"
#include "portrait.h"

// A copy of a placed part: its LayerTable slot, for a piece its PieceTable
// index, and whether it is the right (mirrored) copy of a pair.
struct PartHit {
  int slot;      // -1: no part
  int piece;     // -1 unless slot is CAT_OTHER
  bool mirrored;
};

// Whether the pixel (column and row from the top-left) of a part's
// stretched image, mirrored for the right copy of a pair or a flipped part
// (not both), is drawn; an image that
// cannot be made for that is kept in *failure.
typedef bool (*OpaquePixelTest)(const PartSlot &part, bool mirrored, POINT pixel, Failure *failure);

// The topmost copy drawn at client pixel (x, y), going down the layer order
// from the glasses to the back hair (the pieces from the last to the first,
// a pair's right copy before its left), through the same corners and pixel
// mapping as the drawing, each copy's pixel asked of opaque. The disabled
// category is never made current and so is looked through. The first
// failure is kept in *failure, for the window to show.
PartHit PartAt(int x, int y, OpaquePixelTest opaque, Failure *failure);

// PartAt with the pixels read from the part files as the compositor makes
// them (PartPixelOpaque): only a few rows of the files under the point.
PartHit PartUnderPoint(int x, int y, Failure *failure);

// The slot a hit stands for: the piece's own record for a piece.
const PartSlot &HitPart(const PartHit &hit);

// The smallest rectangle holding every copy of part on the window (empty
// when none is drawn).
RECT PartBounds(const PartSlot &part);
