#include "photo.h"

#include <gtest/gtest.h>

#include <cstring>

#include "compositor.h"
#include "render/render_fixtures.h"

namespace {

// Canvas pixels to photo pixels: the fit centres the whole photo on the
// 80 x 100 canvas (a wide photo by its width, a tall one by its height),
// an offset moves it by canvas pixels, a scale grows it about its centre;
// pixels the photo does not reach give none.
TEST(Photo, CanvasPixelsFindTheirPhotoPixels) {
  const SIZE canvas = {80, 100};
  struct Row {
    SIZE photo;
    PhotoPlacement placement;
    POINT pixel;
    bool reached;
    POINT photoPixel;
  } rows[] = {
      {{640, 800}, {0, 0, 100}, {0, 0}, true, {4, 4}},          // eight photo pixels a canvas pixel
      {{640, 800}, {0, 0, 100}, {79, 99}, true, {636, 796}},
      {{640, 400}, {0, 0, 100}, {0, 24}, false, {0, 0}},        // wide: rows 25 to 74
      {{640, 400}, {0, 0, 100}, {0, 25}, true, {4, 4}},
      {{640, 400}, {0, 0, 100}, {0, 74}, true, {4, 396}},
      {{640, 400}, {0, 0, 100}, {0, 75}, false, {0, 0}},
      {{100, 800}, {0, 0, 100}, {34, 50}, true, {6, 404}},      // tall: 12.5 columns wide, 34 to 45
      {{100, 800}, {0, 0, 100}, {33, 50}, false, {0, 0}},
      {{640, 800}, {10, -20, 100}, {9, 50}, false, {0, 0}},     // moved right 10, up 20
      {{640, 800}, {10, -20, 100}, {10, 80}, false, {0, 0}},
      {{640, 800}, {10, -20, 100}, {10, 79}, true, {4, 796}},
      {{640, 800}, {0, 0, 200}, {0, 0}, true, {162, 202}},      // twice as large about the centre
      {{640, 800}, {0, 0, 800}, {40, 50}, true, {320, 400}},    // a kept pixel a canvas pixel
      {{640, 800}, {0, 0, 25}, {29, 37}, false, {0, 0}},        // a quarter: columns 30 to 49
      {{640, 800}, {0, 0, 25}, {30, 37}, true, {16, 0}},
      {{1, 1}, {0, 0, 100}, {0, 9}, false, {0, 0}},             // one pixel: 80 x 80, rows 10 to 89
      {{1, 1}, {0, 0, 100}, {0, 10}, true, {0, 0}},
      {{0, 10}, {0, 0, 100}, {0, 0}, false, {0, 0}},
  };
  for (const Row &row : rows) {
    POINT at = {-1, -1};
    bool reached = PhotoPixelFor(row.photo, row.placement, canvas, row.pixel, &at);
    EXPECT_EQ(reached, row.reached) << row.photo.cx << "x" << row.photo.cy << " at " << row.pixel.x << "," << row.pixel.y;
    if (reached && row.reached) {
      EXPECT_EQ(at.x, row.photoPixel.x) << row.pixel.x << "," << row.pixel.y;
      EXPECT_EQ(at.y, row.photoPixel.y) << row.pixel.x << "," << row.pixel.y;
    }
  }
}

// The size kept, the sizes refused before decoding, the scale's ladder and
// bounds, the move's bounds and the blend over white.
TEST(Photo, KeptSizesBoundsAndBlend) {
  struct Fit {
    SIZE picture, kept;
  } fits[] = {{{640, 800}, {640, 800}}, {{100, 50}, {100, 50}}, {{4000, 3000}, {640, 480}},
              {{3000, 4000}, {600, 800}}, {{16384, 1}, {640, 1}}, {{1280, 801}, {640, 401}}};
  for (const Fit &fit : fits) {
    SIZE kept = FitWithin(fit.picture, {PHOTO_KEPT_WIDTH, PHOTO_KEPT_HEIGHT});
    EXPECT_EQ(kept.cx, fit.kept.cx) << fit.picture.cx;
    EXPECT_EQ(kept.cy, fit.kept.cy) << fit.picture.cx;
  }
  EXPECT_TRUE(PhotoSizeAccepted(16384, 6103));
  EXPECT_FALSE(PhotoSizeAccepted(16384, 6104)) << "over 100 megapixels";
  EXPECT_FALSE(PhotoSizeAccepted(16385, 1));
  EXPECT_FALSE(PhotoSizeAccepted(1, 16385));
  EXPECT_FALSE(PhotoSizeAccepted(0, 10));

  EXPECT_EQ(NextPhotoScale(100, true), 110);
  EXPECT_EQ(NextPhotoScale(100, false), 90);
  EXPECT_EQ(NextPhotoScale(105, false), 100) << "between steps: the next one down";
  EXPECT_EQ(NextPhotoScale(PHOTO_SCALE_MAX, true), PHOTO_SCALE_MAX);
  EXPECT_EQ(NextPhotoScale(PHOTO_SCALE_MIN, false), PHOTO_SCALE_MIN);
  PhotoPlacement bounded = MovedPhoto({990, -990, 100}, 20, -20);
  EXPECT_EQ(bounded.x, PHOTO_OFFSET_MAX);
  EXPECT_EQ(bounded.y, -PHOTO_OFFSET_MAX);
  EXPECT_EQ(BoundedPhoto({0, 0, 5000}).scale, PHOTO_SCALE_MAX);

  struct Blend {
    int channel, strength, shown;
  } blends[] = {{0, 25, 191}, {0, 50, 128}, {0, 75, 64}, {255, 50, 255}, {100, 100, 100}, {100, 0, 255}};
  for (const Blend &blend : blends)
    EXPECT_EQ(BlendOverWhite(static_cast<std::uint8_t>(blend.channel), blend.strength), blend.shown)
        << blend.channel << " at " << blend.strength;
}

// On the canvas the photo lies over the white and under every part, and
// only where it reaches: the colour ShownPhotoColour gives is the pixel's.
TEST(Photo, ComposedUnderThePartsOverTheWhite) {
  ResetPortrait();
  PartFolder folder;
  folder.Write("kao\\kao-5-001.bmp", 10, 10, [](int, int) { return BLACK; });
  PartSlot &nose = LayerTable[CAT_NOSE];
  std::strcpy(nose.path, "kao\\kao-5-001.bmp");
  nose.mode = MODE_SINGLE, nose.x = 35, nose.y = 45, nose.width = 10, nose.height = 10;
  PhotoImage image;
  image.width = 40, image.height = 100;  // tall: 40 canvas columns, 20 to 59
  image.pixels.assign(40 * 100 * 3, 0);
  for (std::size_t i = 0; i < image.pixels.size(); i += 3) image.pixels[i + 1] = 200;  // green
  ShownPhoto photo = {&image, {0, 0, 100}, 50};
  Surface surface(200, 200);
  ComposePortrait(surface.window(), surface.dc(), RGB(255, 255, 255), nullptr, &photo);
  RECT canvas = {40, 45, 120, 145};
  COLORREF shown;
  ASSERT_TRUE(ShownPhotoColour(photo, canvas, {60, 50}, &shown));
  Bgr green = {GetBValue(shown), GetGValue(shown), GetRValue(shown)};
  EXPECT_TRUE((green == Bgr{128, 228, 128}));
  EXPECT_GT(surface.Count(BLACK), 0);
  EXPECT_EQ(surface.Count(green) + surface.Count(BLACK), 40 * 100) << "the photo under the nose";
  EXPECT_TRUE((surface.Extent(green) == RECT{60, 45, 100, 145}));
  EXPECT_EQ(surface.Count(WHITE), 40 * 100);
  EXPECT_FALSE(ShownPhotoColour(photo, canvas, {59, 50}, &shown));
  ResetPortrait();
}

}  // namespace
