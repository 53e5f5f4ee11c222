// The pixels of a 24-bit image in memory, apart from any bitmap that holds
// them: platform-free, for the part-file decoder.
#pragma once

#include <cstddef>

// The pixels of a 24-bit image: rows stored bottom row first, stride bytes
// apart (3 x width rounded up to a multiple of 4), each pixel blue, green,
// red.
struct Pixels24 {
  unsigned char *bits;
  int stride;
  int width;
  int height;
};

// The first byte of the pixel in column x of row y, y counted from the top.
inline unsigned char *PixelAddress(const Pixels24 &image, int x, int y) {
  return image.bits + static_cast<std::ptrdiff_t>(image.height - 1 - y) * image.stride + x * 3;
}
