#include "bmp_file.h"

#include <cstring>

#include "row_stride.h"

namespace {

const std::uint64_t BMP_FILE_LIMIT = 0x7FFFFFFF;

}  // namespace

std::uint32_t BmpRowSize(int width) {
  if (width <= 0) return 0;
  std::uint64_t row = static_cast<std::uint64_t>(RowStride(width));
  if (row + BMP_HEADER_SIZE > BMP_FILE_LIMIT) return 0;
  return static_cast<std::uint32_t>(row);
}

std::uint32_t BmpFileSize(int width, int height) {
  std::uint64_t row = BmpRowSize(width);
  if (row == 0 || height <= 0) return 0;
  std::uint64_t size = BMP_HEADER_SIZE + row * static_cast<std::uint64_t>(height);
  if (size > BMP_FILE_LIMIT) return 0;
  return static_cast<std::uint32_t>(size);
}

namespace {

void Put16(std::uint8_t *at, std::uint32_t value) {
  at[0] = value & 0xFF;
  at[1] = (value >> 8) & 0xFF;
}

void Put32(std::uint8_t *at, std::uint32_t value) {
  Put16(at, value & 0xFFFF);
  Put16(at + 2, value >> 16);
}

}  // namespace

void WriteBmpHeaders(std::uint8_t *image, int width, int height) {
  std::memset(image, 0, BMP_HEADER_SIZE);
  image[0] = 'B';
  image[1] = 'M';
  Put32(image + 2, BmpFileSize(width, height));
  Put32(image + 10, BMP_HEADER_SIZE);
  Put32(image + BMP_INFO_OFFSET, 40);
  Put32(image + 18, static_cast<std::uint32_t>(width));
  Put32(image + 22, static_cast<std::uint32_t>(height));  // positive: bottom-up
  Put16(image + 26, 1);
  Put16(image + 28, 24);
}

void AssembleBmpFile(std::uint8_t *image, int width, int height, const std::uint8_t *rows) {
  WriteBmpHeaders(image, width, height);
  std::uint32_t rowSize = BmpRowSize(width);
  std::uint32_t pixelBytes = 3u * width;
  for (int row = 0; row < height; ++row) {
    std::uint8_t *to = image + BMP_HEADER_SIZE + std::uint64_t(rowSize) * row;
    std::memcpy(to, rows + std::uint64_t(rowSize) * row, pixelBytes);
    std::memset(to + pixelBytes, 0, rowSize - pixelBytes);
  }
}
