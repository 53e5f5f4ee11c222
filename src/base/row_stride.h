// The one rule for the rows of the program's bitmaps: each row of pixels
// takes whole 4-byte words. Plain arithmetic, without platform headers, so
// that the file formats built without the platform share it.
#pragma once

// Bytes of one row of width pixels of bytesPerPixel bytes each, rounded up
// to a multiple of 4.
inline long long RowStride(long long width, int bytesPerPixel = 3) {
  return (width * bytesPerPixel + 3) / 4 * 4;
}
