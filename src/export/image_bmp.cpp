#include "image_bmp.h"

#include <cstring>

#include "bmp_file.h"

std::vector<std::uint8_t> BmpFileOf(const CanvasImage &image) {
  std::vector<std::uint8_t> file(BmpFileSize(image.width, image.height), 0);
  if (file.empty()) return file;
  WriteBmpHeaders(file.data(), image.width, image.height);
  std::uint32_t rowSize = BmpRowSize(image.width);
  for (int y = 0; y < image.height; ++y) {
    std::uint8_t *row = &file[BMP_HEADER_SIZE + static_cast<std::size_t>(rowSize) * (image.height - 1 - y)];
    for (int x = 0; x < image.width; ++x)
      std::memcpy(row + 3 * x, &image.pixels[(static_cast<std::size_t>(y) * image.width + x) * 4], 3);
  }
  return file;
}
