#include "photo_file.h"

#include <gtest/gtest.h>

#include "bmp_file.h"
#include "canvas_image.h"
#include "image_png.h"
#include "text.h"
#include "support/test_support.h"
#include "texts.h"

namespace {

// A BMP file's headers alone, 24-bit, for width x height: its pixels are
// never there, so only a size read before decoding can refuse it in time.
std::vector<std::uint8_t> BmpHeaders(int width, int height) {
  std::vector<std::uint8_t> bytes(BMP_HEADER_SIZE);
  WriteBmpHeaders(bytes.data(), width, height);
  return bytes;
}

// What is not a picture, or is too large, is refused with its message and
// leaves the photo as it was; a picture is kept within 640 x 800 with its
// colours, transparency laid over white.
TEST(PhotoFile, RefusesWhatIsNotAPictureOrTooLargeAndKeepsTheRestFitted) {
  TempDir dir;
  CanvasImage png;
  png.width = 2, png.height = 1;
  png.pixels = {0, 0, 255, 255, /* transparent: */ 0, 0, 0, 0};
  std::vector<std::uint8_t> pngBytes;
  Failure encoded = {};
  ASSERT_TRUE(PngFileOf(png, true, &pngBytes, &encoded));
  struct Row {
    const char *name;
    std::vector<std::uint8_t> bytes;
    const char *refusal;
  } rows[] = {
      {"text.png", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'}, TEXT_PHOTO_NOT_PICTURE},
      {"empty.bmp", {}, TEXT_PHOTO_NOT_PICTURE},
      {"wide.bmp", BmpHeaders(16385, 2), TEXT_PHOTO_TOO_LARGE},
      {"tall.bmp", BmpHeaders(2, -16385), TEXT_PHOTO_TOO_LARGE},
      {"many.bmp", BmpHeaders(12000, 12000), TEXT_PHOTO_TOO_LARGE},
      {"red.png", pngBytes, nullptr},
  };
  for (const Row &row : rows) {
    WriteFileBytes(dir / row.name, row.bytes);
    PhotoImage image;
    image.width = 7;
    Failure failure = {};
    std::string path = dir / row.name;
    int read = ReadPhotoFile(SystemText(path.c_str()), &image, &failure);
    EXPECT_EQ(read, row.refusal ? 0 : 1) << row.name;
    EXPECT_STREQ(failure.text, row.refusal) << row.name;
    if (row.refusal) {
      EXPECT_EQ(image.width, 7) << row.name << " leaves the photo as it was";
    }
    if (!read) continue;
    ASSERT_EQ(image.width, 2);
    ASSERT_EQ(image.height, 1);
    EXPECT_EQ(image.pixels, (std::vector<std::uint8_t>{0, 0, 255, 255, 255, 255}));
  }
  WriteTestBmp(dir / "big.bmp", 1000, 2000, [](int x, int) { return x < 500 ? BLACK : Bgr{0, 0, 255}; });
  PhotoImage big;
  Failure failure = {};
  std::string bigPath = dir / "big.bmp";
  ASSERT_TRUE(ReadPhotoFile(SystemText(bigPath.c_str()), &big, &failure));
  EXPECT_EQ(big.width, 400);
  EXPECT_EQ(big.height, 800);
  EXPECT_EQ(big.pixels[3 * 10 + 2], 0) << "left half black";
  EXPECT_EQ(big.pixels[3 * 390 + 2], 255) << "right half red";
}

}  // namespace
