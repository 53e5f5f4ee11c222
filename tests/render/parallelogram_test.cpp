#include "parallelogram.h"

#include <gtest/gtest.h>

#include "render/render_fixtures.h"

namespace {

// A width x height source whose pixel (column c, row r from the top) is
// (c, r, 7), all opaque but the ones the mask function clears.
struct Source {
  Source(int width, int height, const std::function<bool(int, int)> &opaque = nullptr)
      : padded((width / 4 + 1) * 4), pixels(padded * height * 3), mask(padded * height) {
    for (int r = 0; r < height; ++r)
      for (int c = 0; c < width; ++c) {
        int at = (height - 1 - r) * padded + c;
        pixels[at * 3] = static_cast<unsigned char>(c);
        pixels[at * 3 + 1] = static_cast<unsigned char>(r);
        pixels[at * 3 + 2] = 7;
        mask[at] = opaque ? opaque(c, r) : 1;
      }
    view = {pixels.data(), mask.data(), padded, width, height, 0, 0, height};
  }
  int padded;
  std::vector<unsigned char> pixels, mask;
  TransferSource view;
};

const Bgr BACKGROUND = {200, 100, 50};

TEST(TransferParallelogram, AtAngleZeroFillsTheCornersRectangleSamplingTheNearestRows) {
  Surface surface(80, 60, BACKGROUND);
  Source source(40, 20);
  const POINT corners[3] = {{10, 21}, {50, 21}, {10, 39}};
  TransferParallelogram(surface.window(), surface.dc(), corners, source.view);
  EXPECT_EQ(surface.Count(BACKGROUND, 10, 21, 50, 39), 0);
  EXPECT_EQ(surface.Count(BACKGROUND), 80 * 60 - 40 * 18);
  for (int y = 21; y < 39; ++y) {
    int row = (2 * (y - 21) + 1) * 20 / 36;  // the source row under the pixel's centre
    for (int x = 10; x < 50; ++x)
      ASSERT_TRUE((surface.At(x, y) == Bgr{static_cast<unsigned char>(x - 10),
                                           static_cast<unsigned char>(row), 7}))
          << x << ", " << y;
  }
}

TEST(TransferParallelogram, TurnedKeepsEveryCornerOfTheImageAndTheArea) {
  Surface surface(80, 60, BACKGROUND);
  Source source(40, 20);
  const POINT corners[3] = {{14, 16}, {51, 26}, {9, 34}};  // 40 x 20 turned by 45 units
  TransferParallelogram(surface.window(), surface.dc(), corners, source.view);
  const int area = 37 * 18 + 10 * 5;  // the cross product of the two edges
  EXPECT_NEAR(80 * 60 - surface.Count(BACKGROUND), area, 30);
  const Bgr imageCorners[] = {{0, 0, 7}, {39, 0, 7}, {0, 19, 7}, {39, 19, 7}};
  for (Bgr corner : imageCorners) EXPECT_GT(surface.Count(corner), 0);
}

TEST(TransferParallelogram, KeepsTheWindowsPixelWhereTheMaskIsZero) {
  Surface surface(80, 60, BACKGROUND);
  // Opaque only in the left half of the image's columns.
  Source source(40, 20, [](int c, int) { return c < 20; });
  const POINT corners[3] = {{10, 21}, {50, 21}, {10, 39}};
  TransferParallelogram(surface.window(), surface.dc(), corners, source.view);
  EXPECT_EQ(surface.Count(BACKGROUND, 10, 21, 30, 39), 0);
  EXPECT_EQ(surface.Count(BACKGROUND, 30, 21, 50, 39), 20 * 18);
}

TEST(TransferParallelogram, DrawsNothingWithoutAreaAndNothingOutsideTheClientArea) {
  Surface surface(80, 60, BACKGROUND);
  Source source(40, 20);
  const POINT flat[3] = {{10, 30}, {50, 30}, {10, 30}};
  const POINT distant[3] = {{1 << 21, 0}, {(1 << 21) + 40, 0}, {1 << 21, 20}};
  TransferParallelogram(surface.window(), surface.dc(), flat, source.view);
  TransferParallelogram(surface.window(), surface.dc(), distant, source.view);
  EXPECT_EQ(surface.Count(BACKGROUND), 80 * 60);

  // The window's client area ends at x 30; the surface goes on to 80.
  SetWindowPos(surface.window(), nullptr, 0, 0, 30, 60, SWP_NOZORDER | SWP_NOMOVE);
  const POINT corners[3] = {{-10, 21}, {50, 21}, {-10, 39}};
  TransferParallelogram(surface.window(), surface.dc(), corners, source.view);
  EXPECT_EQ(surface.Count(BACKGROUND, 0, 21, 30, 39), 0);
  EXPECT_EQ(surface.Count(BACKGROUND, 30, 0, 80, 60), 50 * 60);
}

}  // namespace
