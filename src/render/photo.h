// The reference photo under the canvas: its pixels as kept once decoded,
// where it lies on the canvas, how strongly it shows, and how a canvas
// pixel finds its photo pixel. Plain rules apart from DrawPhoto; the photo
// is only ever drawn on the screen, never into a picture that leaves the
// program.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// A decoded photo: width x height pixels, top row first, three bytes each
// (blue, green, red), what transparency it had already laid over white.
struct PhotoImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
};

// The photo is kept no larger than this: eight times the 80 x 100 canvas a
// side, so that at the largest scale a kept pixel is still a canvas pixel.
const int PHOTO_KEPT_WIDTH = 4 * 160;
const int PHOTO_KEPT_HEIGHT = 4 * 200;

// A photo larger than this is refused before its pixels are decoded.
const int PHOTO_SIDE_MAX = 16384;
const long long PHOTO_PIXELS_MAX = 100000000LL;

// Whether a picture of width x height may be decoded (both sides positive).
bool PhotoSizeAccepted(long long width, long long height);

// The size a width x height picture is kept at: the same when it fits within
// limit, else the largest size within it with the aspect kept (at least 1).
SIZE FitWithin(SIZE picture, SIZE limit);

// The photo's scale, in percent of its fit (the whole photo within the
// 80 x 100 canvas, centred): a wheel notch goes to the next step of a
// ladder from PHOTO_SCALE_MIN to PHOTO_SCALE_MAX.
const int PHOTO_SCALE_MIN = 25;
const int PHOTO_SCALE_MAX = 800;
const int PHOTO_SCALE_FIT = 100;
int NextPhotoScale(int scale, bool larger);

// Where the photo lies: its centre's offset from the canvas's centre in
// canvas pixels, and its scale. Opened, a photo lies at {0, 0, 100}.
struct PhotoPlacement {
  int x;
  int y;
  int scale;
};

// The photo's centre stays within this many canvas pixels of the canvas's
// centre either way, so that a drag cannot lose it.
const int PHOTO_OFFSET_MAX = 1000;

// start moved by (dx, dy) canvas pixels, within PHOTO_OFFSET_MAX; a
// placement's scale within PHOTO_SCALE_MIN..PHOTO_SCALE_MAX.
PhotoPlacement MovedPhoto(const PhotoPlacement &start, long long dx, long long dy);
PhotoPlacement BoundedPhoto(const PhotoPlacement &placement);

// The photo pixel a canvas pixel shows, (column, row) of pixel, relative to
// the canvas's top-left, on a canvas of canvasSize; false when the photo
// does not reach it. The pixel's centre is mapped (nearest pixel).
bool PhotoPixelFor(SIZE photo, const PhotoPlacement &placement, SIZE canvasSize, POINT pixel, POINT *photoPixel);

// A photo colour channel shown at strength percent over white.
std::uint8_t BlendOverWhite(std::uint8_t channel, int strength);

// The strengths offered, in percent.
const int PHOTO_STRENGTHS[] = {25, 50, 75};
const int PHOTO_STRENGTH_DEFAULT = 50;

// A photo as it is to be shown: drawn under every part.
struct ShownPhoto {
  const PhotoImage *image;
  PhotoPlacement placement;
  int strength;
};

// The colour canvasPixel (client coordinates of the 1x window) shows of the
// photo on the canvas (left, top, width, height), blended at the photo's
// strength, and the photo's own colour; false where it shows none.
bool ShownPhotoColour(const ShownPhoto &photo, const RECT &canvas, POINT canvasPixel, COLORREF *shown,
                      COLORREF *own = nullptr);

// Draws the photo on the canvas rectangle of dc, where dc's clipping lets
// it, over what the canvas holds (pixels it does not reach keep it). A
// photo drawn with nothing to show is nothing drawn.
void DrawPhoto(HDC dc, const ShownPhoto &photo, const RECT &canvas);
