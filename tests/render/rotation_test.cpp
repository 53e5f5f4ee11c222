#include "rotation.h"

#include <gtest/gtest.h>

namespace {

struct CornerCase {
  int x, y, width, height, angle, reversed;
  POINT expected[3];
};

TEST(ComputeRotatedCorners, GivesTheExactCornersOfTheNumericModel) {
  const CornerCase cases[] = {
      // Products just below an integer: one row off at top and bottom.
      {10, 20, 40, 20, 0, 0, {{10, 21}, {50, 21}, {10, 39}}},
      {10, 20, 40, 20, 0, 1, {{10, 21}, {50, 21}, {10, 39}}},
      {10, 20, 40, 20, 45, 0, {{14, 16}, {51, 26}, {9, 34}}},
      {10, 20, 40, 20, 45, 1, {{9, 26}, {46, 16}, {14, 44}}},
      // A negative angle turns the other way.
      {10, 20, 40, 20, -45, 0, {{9, 26}, {46, 16}, {14, 44}}},
      // Square: the double below pi/4 puts the sine product under the half size.
      {20, 30, 40, 40, 0, 0, {{20, 31}, {60, 31}, {20, 69}}},
      // Odd sizes lose a pixel at the right and bottom.
      {0, 0, 41, 21, 0, 0, {{0, 0}, {40, 0}, {0, 20}}},
      // The two copies of a pair mirror about x = 80.
      {50, 85, 20, 10, 10, 0, {{51, 85}, {70, 86}, {50, 94}}},
      {90, 85, 20, 10, 10, 1, {{90, 86}, {109, 85}, {91, 95}}},
      // No height: a flat parallelogram on the centre row.
      {10, 20, 40, 0, 0, 0, {{10, 20}, {50, 20}, {10, 20}}},
  };
  for (const CornerCase &c : cases) {
    POINT corners[3];
    ComputeRotatedCorners(c.x, c.y, c.width, c.height, c.angle, corners, c.reversed);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(corners[i].x, c.expected[i].x)
          << "corner " << i << " of (" << c.x << ", " << c.y << ", " << c.width << ", "
          << c.height << ", " << c.angle << ", reversed " << c.reversed << ")";
      EXPECT_EQ(corners[i].y, c.expected[i].y)
          << "corner " << i << " of (" << c.x << ", " << c.y << ", " << c.width << ", "
          << c.height << ", " << c.angle << ", reversed " << c.reversed << ")";
    }
  }
}

TEST(ComputeRotatedCorners, WidthZeroGivesDefinedCornersOnTheCentre) {
  const int heights[] = {0, 1, 20, 150};
  const int angles[] = {-50, 0, 50};
  for (int height : heights) {
    for (int angle : angles) {
      for (int reversed = 0; reversed <= 1; ++reversed) {
        POINT corners[3] = {{-999, -999}, {-999, -999}, {-999, -999}};
        ComputeRotatedCorners(10, 20, 0, height, angle, corners, reversed);
        // The corners stay within the half height of the centre (10, 20 + h/2).
        for (const POINT &p : corners) {
          EXPECT_LE(std::abs(p.x - 10), height / 2 + 1) << height << " " << angle;
          EXPECT_LE(std::abs(p.y - (20 + height / 2)), height / 2 + 1) << height << " " << angle;
        }
      }
    }
  }
  POINT corners[3];
  ComputeRotatedCorners(10, 20, 0, 0, 30, corners, 0);
  for (const POINT &p : corners) {
    EXPECT_EQ(p.x, 10);
    EXPECT_EQ(p.y, 20);
  }
}

}  // namespace
