// 24-bit images with direct access to their pixels, and the pixel rules the
// drawing applies to them.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "failure.h"
#include "pixels24.h"

// The width of a part's images: the next multiple of 4 strictly above width
// (40 gives 44, 41 to 43 give 44, 0 gives 4). With a multiple of 4 a row of
// 3-byte pixels is already 4-byte aligned, so the pixels form one block.
int PaddedWidth(int width);

// Images larger than this many bytes are not asked of the platform: they are
// reported and handled as a failed creation.
const long long DIB24_MAX_BYTES = 256LL << 20;

// Makes a 24-bit DIB section of width x height pixels and describes its
// pixels in *pixels. Returns the bitmap, or null with "DIBが作成出来ません
// でした。" / "デバック" kept in *failure when the platform gives none, a side
// is not positive or the image would exceed DIB24_MAX_BYTES. The caller
// releases the bitmap with DeleteObject, once it has left every context;
// the pixels live as long as the bitmap.
HBITMAP CreateDib24(int width, int height, Pixels24 *pixels, Failure *failure);

// The pixel rules, on one 24-bit pixel (blue, green, red). Pure white is
// transparent on every layer. On every layer but the face (slot 1) pure
// black takes the part's colour; on the face every pixel that is neither
// pure black nor pure white takes it, which fills the face. Every other
// pixel keeps its drawn colour.
bool IsTransparentPixel(const unsigned char *pixel);
bool TakesPartColour(const unsigned char *pixel, int layer);

// Recolours 24-bit pixels (blue, green, red) in place: each pixel that takes
// the part's colour on layer (TakesPartColour) gets the colour.
void RecolourPixels(unsigned char *pixels, std::size_t byteCount, int blue, int green, int red,
                    int layer);

// The transparency mask of a part image of the given padded width: one byte
// per pixel in the image's own order (bottom row first, paddedWidth per
// row), 1 where the pixel is drawn and 0 where it is transparent.
std::vector<unsigned char> MaskOpaquePixels(const unsigned char *pixels, int paddedWidth,
                                            int height);

// The first pixel that is neither pure white nor pure black, scanning rows
// from the bottom row up, each from left to right; only the first width
// pixels of each row (stride bytes apart) count. Returns 1 and its colour,
// or 0 with the colour untouched.
int FindFirstColour(const unsigned char *pixels, int stride, int width, int height, int *blue,
                    int *green, int *red);
