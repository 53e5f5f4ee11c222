#include "dib24.h"

#include <gtest/gtest.h>

#include "render/render_fixtures.h"
#include "texts.h"

namespace {

TEST(CreateDib24, StoresPixelsBottomRowFirstInBlueGreenRedOrderInRowsOfWholeWords) {
  Pixels24 pixels;
  HBITMAP bitmap = CreateDib24(7, 3, &pixels, nullptr);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(pixels.stride, 24);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  SetPixel(dc, 5, 0, RGB(30, 20, 10));  // top row, column 5
  GdiFlush();
  const unsigned char *top = pixels.bits + 2 * 24 + 5 * 3;
  EXPECT_EQ(top, PixelAddress(pixels, 5, 0));
  EXPECT_EQ(top[0], 10);
  EXPECT_EQ(top[1], 20);
  EXPECT_EQ(top[2], 30);
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(bitmap);
}

TEST(CreateDib24, ReportsImagesThatCannotBeMade) {
  const int failing[][2] = {{0, 5}, {8, 0}, {8, -3}, {1 << 16, 1 << 16}};
  for (const auto &size : failing) {
    Pixels24 pixels;
    Failure failure = {};
    EXPECT_EQ(CreateDib24(size[0], size[1], &pixels, &failure), nullptr);
    EXPECT_EQ(pixels.bits, nullptr) << size[0] << " x " << size[1];
    EXPECT_STREQ(failure.text, TEXT_NO_DIB);
    EXPECT_STREQ(failure.caption, CAPTION_DEBUG);
  }
}

TEST(RecolourPixels, PaintsBlackOnPartsAndEverythingButBlackAndWhiteOnTheFace) {
  struct Case {
    Bgr before;
    int layer;
    Bgr after;
  };
  const Bgr colour = {10, 20, 30};
  const Case cases[] = {
      {BLACK, 3, colour},           {WHITE, 3, WHITE},
      {{254, 255, 255}, 3, {254, 255, 255}}, {{1, 0, 0}, 3, {1, 0, 0}},
      {BLACK, 2, colour},           {BLACK, 0, colour},
      {BLACK, 1, BLACK},            {WHITE, 1, WHITE},
      {{254, 255, 255}, 1, colour}, {{100, 100, 100}, 1, colour},
  };
  for (const Case &c : cases) {
    unsigned char pixels[6] = {c.before.blue, c.before.green, c.before.red, 0, 0, 0};
    RecolourPixels(pixels, 3, colour.blue, colour.green, colour.red, c.layer);
    EXPECT_TRUE((Bgr{pixels[0], pixels[1], pixels[2]} == c.after)) << "layer " << c.layer;
    EXPECT_EQ(pixels[3], 0) << "beyond the byte count";
  }
  // Only the low byte of each colour value is written.
  unsigned char pixel[3] = {0, 0, 0};
  RecolourPixels(pixel, 3, 0x1FF, 0x100, -1, 5);
  EXPECT_TRUE((Bgr{pixel[0], pixel[1], pixel[2]} == Bgr{255, 0, 255}));
}

}  // namespace
