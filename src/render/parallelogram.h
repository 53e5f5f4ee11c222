// Drawing a part image turned: the image's rectangle mapped onto the
// parallelogram given by three corners, through its transparency mask. Done
// by the program itself because the platform's PlgBlt does not behave alike
// everywhere (Wine's ignores the turn and blackens masked-out pixels).
#pragma once

#include <windows.h>

// The drawn part of a part image: columns 0..width-1 and rows 0..height-1 of
// 24-bit pixels stored bottom row first, paddedWidth pixels per row, and its
// mask in the same order (1 drawn, 0 transparent).
struct TransferSource {
  const unsigned char *pixels;
  const unsigned char *mask;
  int paddedWidth;
  int width;
  int height;
};

// A block of window pixels: 24-bit, stored bottom row first, stride bytes
// per row; its top-left pixel is window pixel (left, top).
struct TransferTarget {
  unsigned char *pixels;
  int stride;
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

// Maps the source onto the parallelogram, for the target's pixels only. A
// target pixel belongs to the parallelogram when its centre lies inside it
// (edges through corner 0 included, the opposite ones excluded); it then
// takes the colour of the source pixel on which its centre lands (the
// nearest source pixel), if that pixel's mask is 1, and otherwise keeps its
// own colour. A parallelogram of no area draws nothing. Exact integer
// arithmetic: the same picture on every platform.
void MapParallelogram(const POINT corners[3], const TransferSource &source,
                      const TransferTarget &target);

// MapParallelogram on the pixels of dc: the parallelogram's bounding box,
// clipped to window's client area and dc's clipping box, is read into a
// buffer, mapped and written back. window owns the failure messages.
void TransferParallelogram(HWND window, HDC dc, const POINT corners[3],
                           const TransferSource &source);
