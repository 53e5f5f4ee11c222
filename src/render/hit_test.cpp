#include "hit_test.h"

#include "compositor.h"
#include "parallelogram.h"

namespace {

// One copy tested: the pixel of (x, y) in it and whether that one is drawn,
// its image mirrored as the compositor mirrors it.
bool CopyHit(const PartSlot &part, bool rightCopy, bool flipped, int x, int y, OpaquePixelTest opaque,
             Failure *failure) {
  POINT corners[3], pixel;
  if (!PartCopyCorners(part, rightCopy, corners)) return false;
  if (!SampledPixel(corners, part.width, part.height, x, y, &pixel)) return false;
  return opaque(part, rightCopy != flipped, pixel, failure);
}

// The copy of part at (x, y), the right one of a pair first.
bool PartHitAt(const PartSlot &part, bool flipped, int x, int y, OpaquePixelTest opaque, bool *mirrored,
               Failure *failure) {
  for (bool right : {true, false})
    if (CopyHit(part, right, flipped, x, y, opaque, failure)) {
      *mirrored = right;
      return true;
    }
  return false;
}

}  // namespace

PartHit PartAt(int x, int y, OpaquePixelTest opaque, Failure *failure) {
  PartHit hit = {-1, -1, false};
  for (int slot = CAT_GLASSES; slot >= CAT_BACK_HAIR; --slot) {
    if (slot == CAT_DISABLED) continue;
    if (slot == CAT_OTHER) {
      for (int piece = PIECE_SLOTS - 1; piece >= 0; --piece)
        if (PartHitAt(PieceTable[piece], PieceFlipped[piece], x, y, opaque, &hit.mirrored, failure)) {
          hit.slot = CAT_OTHER;
          hit.piece = piece;
          return hit;
        }
    } else if (PartHitAt(LayerTable[slot], LayerFlipped[slot], x, y, opaque, &hit.mirrored, failure)) {
      hit.slot = slot;
      return hit;
    }
  }
  return hit;
}

PartHit PartUnderPoint(int x, int y, Failure *failure) { return PartAt(x, y, PartPixelOpaque, failure); }

const PartSlot &HitPart(const PartHit &hit) {
  return hit.slot == CAT_OTHER ? PieceTable[hit.piece] : LayerTable[hit.slot];
}

RECT PartBounds(const PartSlot &part) {
  RECT bounds = {0, 0, 0, 0};
  for (bool mirrored : {false, true}) {
    POINT corners[3];
    if (!PartCopyCorners(part, mirrored, corners)) continue;
    RECT copy = ParallelogramBounds(corners);
    UnionRect(&bounds, &bounds, &copy);
  }
  return bounds;
}
