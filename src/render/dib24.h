// 24-bit images with direct access to their pixels, and the pixel rules the
// compositor applies to them.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

// The width of a part's images: the next multiple of 4 strictly above width
// (40 gives 44, 41 to 43 give 44, 0 gives 4). With a multiple of 4 a row of
// 3-byte pixels is already 4-byte aligned, so the pixels form one block.
int PaddedWidth(int width);

// Images larger than this many bytes are not asked of the platform: they are
// reported and handled as a failed creation.
const long long DIB24_MAX_BYTES = 256LL << 20;

// Makes a 24-bit DIB section of width x height pixels, rows stored bottom row
// first, for the device of window. Returns 0 at once, with neither output
// written, when width is not a multiple of 4. Otherwise returns 1 and puts
// the bitmap in *bitmap and its pixels in *pixels; when the platform gives no
// bitmap (or width or height is not positive, or the image would exceed
// DIB24_MAX_BYTES) *bitmap is null and the message "DIBが作成出来ませんでした。"
// is shown (at most once per paint). The pixel of column c in row r, rows
// counted from the bottom, starts at byte (r * width + c) * 3. The caller
// releases the bitmap with DeleteObject, once it has left every context.
int CreateDib24(HWND window, HBITMAP *bitmap, void **pixels, int width, int height);

// Recolours 24-bit pixels (blue, green, red) in place. On every layer but the
// face (slot 1) pure black takes the colour; on the face every pixel that is
// neither pure black nor pure white takes it, which fills the face.
void RecolourPixels(unsigned char *pixels, std::size_t byteCount, int blue, int green, int red,
                    int layer);

// The transparency mask of a part image of the given padded width: one byte
// per pixel in the image's own order (bottom row first, paddedWidth per
// row), 1 where the pixel is drawn and 0 where it is pure white.
std::vector<unsigned char> MaskOpaquePixels(const unsigned char *pixels, int paddedWidth,
                                            int height);
