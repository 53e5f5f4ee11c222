#include "bmp_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

// Rows as GetDIBits gives them, with every byte numbered and the fill bytes
// at the end of each row holding rubbish.
std::vector<std::uint8_t> NumberedRows(int width, int height) {
  std::uint32_t rowSize = BmpRowSize(width);
  std::vector<std::uint8_t> rows(static_cast<size_t>(rowSize) * height, 0xEE);
  for (int row = 0; row < height; ++row)
    for (int i = 0; i < 3 * width; ++i) rows[row * rowSize + i] = static_cast<std::uint8_t>(row * 31 + i);
  return rows;
}

std::vector<std::uint8_t> Assemble(int width, int height, const std::vector<std::uint8_t> &rows) {
  std::vector<std::uint8_t> image(BmpFileSize(width, height), 0x77);
  AssembleBmpFile(image.data(), width, height, rows.data());
  return image;
}

TEST(BmpFile, PortraitFileHasTheFixedHeadersAndLength) {
  std::vector<std::uint8_t> image = Assemble(80, 100, NumberedRows(80, 100));
  ASSERT_EQ(image.size(), 24054u);
  const std::uint8_t expected[34] = {0x42, 0x4D, 0xF6, 0x5D, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x36, 0x00,
                                     0x00, 0x00, 0x28, 0x00, 0x00, 0x00, 0x50, 0x00, 0x00, 0x00, 0x64, 0x00,
                                     0x00, 0x00, 0x01, 0x00, 0x18, 0x00, 0x00, 0x00, 0x00, 0x00};
  for (int i = 0; i < 34; ++i) EXPECT_EQ(image[i], expected[i]) << "byte " << i;
  // biSizeImage, the resolutions and the colour counts are all 0.
  for (int i = 34; i < 54; ++i) EXPECT_EQ(image[i], 0) << "byte " << i;
}

TEST(BmpFile, RowsArePaddedToFourBytesWithZeros) {
  struct Case {
    int width;
    std::uint32_t rowSize;
  } cases[] = {{80, 240}, {81, 244}, {82, 248}, {83, 252}, {84, 252}, {1, 4}, {2, 8}, {3, 12}};
  const int height = 3;
  for (const Case &c : cases) {
    SCOPED_TRACE(c.width);
    EXPECT_EQ(BmpRowSize(c.width), c.rowSize);
    std::vector<std::uint8_t> rows = NumberedRows(c.width, height);
    std::vector<std::uint8_t> image = Assemble(c.width, height, rows);
    ASSERT_EQ(image.size(), 54 + c.rowSize * height);
    EXPECT_EQ(image[2] | image[3] << 8 | image[4] << 16 | image[5] << 24, static_cast<int>(image.size()));
    for (int row = 0; row < height; ++row) {
      const std::uint8_t *stored = &image[54 + row * c.rowSize];
      // Row order is kept: the first row given, the bottom one, comes first.
      for (int i = 0; i < 3 * c.width; ++i) ASSERT_EQ(stored[i], rows[row * c.rowSize + i]);
      for (std::uint32_t i = 3 * c.width; i < c.rowSize; ++i) EXPECT_EQ(stored[i], 0) << "row " << row;
    }
  }
}

TEST(BmpFile, SizesOutOfRangeGiveNoFile) {
  struct Case {
    int width, height;
    std::uint32_t size;
  } cases[] = {{1, 1, 58},       {0, 100, 0},        {80, 0, 0},     {-80, 100, 0},
               {80, -100, 0},    {INT_MAX, 1, 0},    {1, INT_MAX, 0}, {30000, 30000, 0},
               {INT_MIN, INT_MIN, 0}};
  for (const Case &c : cases)
    EXPECT_EQ(BmpFileSize(c.width, c.height), c.size) << c.width << " x " << c.height;
}

}  // namespace
