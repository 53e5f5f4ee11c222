// The portrait, composed on the canvas from the part files, layer by layer.
#pragma once

#include <windows.h>

#include "dib24.h"
#include "photo.h"
#include "portrait.h"

// The canvas as it stands, in the editor's 1x client pixels (canvasX,
// canvasY, canvasWidth, canvasHeight; right and bottom exclusive).
RECT CanvasBounds();

// Clears the canvas to white and draws every part that is switched on, from
// the back hair (slot 0) to the glasses (slot 12), the ten pieces in slot
// 2's turn: each one stretched to its size, transparent where pure white,
// recoloured, mirrored about its own centre when flipped (LayerFlipped,
// PieceFlipped), turned by its angle, and for a pair drawn again mirrored
// about the canvas's centre, turned the other way. Not clipped to the canvas.
// The portrait is only read: each piece is drawn from its own record.
// Nothing is kept between paints. window is the one drawn on (its client
// area bounds the drawing); dc is the paint's context. An export composes on
// another canvas colour as well, to tell where the canvas shows through no
// part. framePixels are the pixels of the frame selected into dc, if it is
// a frame's. With photo, the reference photo is drawn on the canvas under
// every part: only the editor's own view passes one, never a picture that
// leaves the program. Returns the first failure, for the caller to show (no
// text when there was none).
Failure ComposePortrait(HWND window, HDC dc, COLORREF canvasColour = RGB(255, 255, 255),
                        const Pixels24 *framePixels = nullptr, const ShownPhoto *photo = nullptr);

// The corners of a copy of part on the window: the left copy (or the only
// one), or with mirrored the right copy of a pair, turned the other way.
// False when the compositor draws no such copy (off, no pixels, too large,
// too far out).
bool PartCopyCorners(const PartSlot &part, bool mirrored, POINT corners[3]);

// Whether the compositor draws the pixel at (pixel.x, pixel.y), column and
// row from the top-left, of the part's stretched image, mirrored when
// mirrored (the right copy of a pair, or a flipped part): made as the paint
// makes it, it is not pure white. Reads
// only the rows of the file the pixel needs, and makes the pixel the way
// the paint makes its blocks. False when the file cannot be read; an image
// that cannot be made is kept in *failure.
bool PartPixelOpaque(const PartSlot &part, bool mirrored, POINT pixel, Failure *failure);
