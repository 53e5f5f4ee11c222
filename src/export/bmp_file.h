// The saved file's format: an uncompressed 24-bit BMP file, the two headers
// (54 bytes) followed by the pixel rows, bottom row first. Plain rules on
// byte buffers; nothing here touches a window or a file.
#pragma once

#include <cstdint>

const int BMP_HEADER_SIZE = 54;
const int BMP_INFO_OFFSET = 14;  // the 40-byte information header

// Bytes of one pixel row, S: 3 x width rounded up to a multiple of 4.
// 0 when width is not positive or a row would not fit a file (below).
std::uint32_t BmpRowSize(int width);

// Bytes of the whole file, 54 + S x height. 0 when a side is not positive
// or the file would be larger than 2 GiB - 1, the most one write can take.
std::uint32_t BmpFileSize(int width, int height);

// Writes the file header and the information header into the first 54 bytes
// of image; every header byte the format leaves 0 is written 0 (biSizeImage
// too).
void WriteBmpHeaders(std::uint8_t *image, int width, int height);

// Fills image (BmpFileSize bytes) with the whole file: the headers, then the
// rows as GetDIBits gives them for a 24-bit bottom-up DIB (height rows of S
// bytes, bottom row first, blue, green, red). The fill bytes at the end of
// each row are written 0 whatever rows holds there.
void AssembleBmpFile(std::uint8_t *image, int width, int height, const std::uint8_t *rows);
