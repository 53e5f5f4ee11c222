// Drawing a part image turned: the image's rectangle mapped onto the
// parallelogram given by three corners, through its transparency mask. Done
// by the program itself because the platform's PlgBlt does not behave alike
// everywhere (Wine's ignores the turn and blackens masked-out pixels).
#pragma once

#include <windows.h>

#include <cstddef>

#include "dib24.h"
#include "failure.h"

// A part image of width x height pixels, of which a block is stored: 24-bit
// pixels, bottom row first, paddedWidth per row, holding the image's
// columns left to left + paddedWidth - 1 and its rows top to top + rows - 1
// (rows counted from the image's top), and its mask in the same order (1
// drawn, 0 transparent). Pixels outside the block are not drawn.
struct TransferSource {
  const unsigned char *pixels;
  const unsigned char *mask;
  int paddedWidth;
  int width;
  int height;
  int left;
  int top;
  int rows;
};

// A block of pixels to draw on: 24-bit, row ty (from the top) starting at
// topRow + ty * stride (stride is negative for rows stored bottom first);
// its top-left pixel is window pixel (left, top).
struct TransferTarget {
  unsigned char *topRow;
  std::ptrdiff_t stride;
  int left;
  int top;
  int width;
  int height;
};

// Corners beyond this many pixels from the origin, and images wider or
// taller than TRANSFER_MAX_SIDE, are not drawn: such a part lies far outside
// any window, and the pixel arithmetic stays within 64 bits.
const int TRANSFER_MAX_COORDINATE = 1 << 20;
const int TRANSFER_MAX_SIDE = 1 << 15;

// The smallest rectangle (right and bottom exclusive) holding the
// parallelogram of corners[0], corners[1], corners[2] and the fourth corner
// corners[1] + corners[2] - corners[0].
RECT ParallelogramBounds(const POINT corners[3]);

// The window pixels that drawing the parallelogram on dc can change: its
// bounds clipped to window's client area and to dc's clipping box. Empty
// when nothing can be drawn.
RECT TransferBox(HWND window, HDC dc, const POINT corners[3]);

// The part of a width x height image that the pixels of box sample when the
// image is mapped onto the parallelogram: columns area->left to
// area->right - 1 and rows area->top to area->bottom - 1 (from the top).
// Returns false when box samples none of it.
bool SampledArea(const POINT corners[3], int width, int height, const RECT &box, RECT *area);

// Maps the source onto the parallelogram, for the target's pixels only. A
// target pixel belongs to the parallelogram when its centre lies inside it
// (edges through corner 0 included, the opposite ones excluded); it then
// takes the colour of the source pixel on which its centre lands (the
// nearest source pixel), if that pixel's mask is 1, and otherwise keeps its
// own colour. A parallelogram of no area draws nothing. Exact integer
// arithmetic: the same picture on every platform.
void MapParallelogram(const POINT corners[3], const TransferSource &source,
                      const TransferTarget &target);

// The pixel of a width x height image (column from the left, row from the
// top) that MapParallelogram puts on window pixel (x, y). False when (x, y)
// is not in the parallelogram.
bool SampledPixel(const POINT corners[3], int width, int height, int x, int y, POINT *pixel);

// MapParallelogram on the pixels of dc within TransferBox. With framePixels,
// the pixels of the image selected into dc (a frame's), they are drawn on
// in place; any other dc is read into a buffer that is mapped and written
// back; an image or context that cannot be made for that is kept in
// *failure, unless it holds an earlier failure.
void TransferParallelogram(HWND window, HDC dc, const POINT corners[3], const TransferSource &source,
                           const Pixels24 *framePixels = nullptr, Failure *failure = nullptr);
