#include "photo.h"

#include <algorithm>

#include "portrait.h"
#include "row_stride.h"

namespace {

const int SCALE_LADDER[] = {25, 30, 35, 40, 50, 60, 70, 80, 90, 100, 110, 125, 150,
                            175, 200, 250, 300, 350, 400, 500, 600, 700, 800};

long long FloorDiv(long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// A kept pixel of the photo at (x, y).
const std::uint8_t *PhotoAddress(const PhotoImage &image, int x, int y) {
  return &image.pixels[(static_cast<std::size_t>(y) * image.width + x) * 3];
}

}  // namespace

bool PhotoSizeAccepted(long long width, long long height) {
  return width > 0 && height > 0 && width <= PHOTO_SIDE_MAX && height <= PHOTO_SIDE_MAX &&
         width * height <= PHOTO_PIXELS_MAX;
}

SIZE FitWithin(SIZE picture, SIZE limit) {
  if (picture.cx <= limit.cx && picture.cy <= limit.cy) return picture;
  long long w = picture.cx, h = picture.cy;
  if (w * limit.cy >= h * limit.cx)
    return {limit.cx, static_cast<LONG>(std::max(1LL, (h * limit.cx + w / 2) / w))};
  return {static_cast<LONG>(std::max(1LL, (w * limit.cy + h / 2) / h)), limit.cy};
}

int NextPhotoScale(int scale, bool larger) {
  if (larger) {
    for (int step : SCALE_LADDER)
      if (step > scale) return step;
    return PHOTO_SCALE_MAX;
  }
  for (int i = static_cast<int>(sizeof SCALE_LADDER / sizeof *SCALE_LADDER) - 1; i >= 0; --i)
    if (SCALE_LADDER[i] < scale) return SCALE_LADDER[i];
  return PHOTO_SCALE_MIN;
}

PhotoPlacement MovedPhoto(const PhotoPlacement &start, long long dx, long long dy) {
  auto bound = [](long long v) { return static_cast<int>(std::min<long long>(std::max<long long>(v, -PHOTO_OFFSET_MAX), PHOTO_OFFSET_MAX)); };
  return {bound(start.x + dx), bound(start.y + dy), start.scale};
}

PhotoPlacement BoundedPhoto(const PhotoPlacement &placement) {
  PhotoPlacement bounded = MovedPhoto(placement, 0, 0);
  bounded.scale = std::min(std::max(placement.scale, PHOTO_SCALE_MIN), PHOTO_SCALE_MAX);
  return bounded;
}

namespace {

// The side that bounds a photo's fit: the canvas's width for a photo wider
// than the canvas's shape, else its height. At scale p a photo pixel is
// canvas / photo x p / 100 canvas pixels.
struct PhotoFit {
  long long canvas, photo;
};

PhotoFit FitOf(SIZE photo) {
  bool byWidth = 1LL * photo.cx * CANVAS_HEIGHT >= 1LL * photo.cy * CANVAS_WIDTH;
  return {byWidth ? CANVAS_WIDTH : CANVAS_HEIGHT, byWidth ? photo.cx : photo.cy};
}

// Along one axis (the photo's x or y goes by the canvas's x or y alone):
// the photo pixel that canvas pixel i shows, of a canvas canvasLength long
// and a photo photoLength long, offset and scale as placed. False off it.
bool AxisPixel(long long i, long long canvasLength, long long photoLength, int offset, int scale, PhotoFit fit,
               LONG *pixel) {
  // Twice the distance of the pixel's centre from the photo's centre.
  long long twice = 2 * i + 1 - canvasLength - 2LL * offset;
  long long v = FloorDiv(twice * 100 * fit.photo + fit.canvas * scale * photoLength, 2 * fit.canvas * scale);
  if (v < 0 || v >= photoLength) return false;
  *pixel = static_cast<LONG>(v);
  return true;
}

}  // namespace

bool PhotoPixelFor(SIZE photo, const PhotoPlacement &placement, SIZE canvasSize, POINT pixel, POINT *photoPixel) {
  if (photo.cx <= 0 || photo.cy <= 0 || placement.scale <= 0) return false;
  PhotoFit fit = FitOf(photo);
  POINT at;
  if (!AxisPixel(pixel.x, canvasSize.cx, photo.cx, placement.x, placement.scale, fit, &at.x) ||
      !AxisPixel(pixel.y, canvasSize.cy, photo.cy, placement.y, placement.scale, fit, &at.y))
    return false;
  *photoPixel = at;
  return true;
}

std::uint8_t BlendOverWhite(std::uint8_t channel, int strength) {
  strength = std::min(std::max(strength, 0), 100);
  return static_cast<std::uint8_t>((channel * strength + 255 * (100 - strength) + 50) / 100);
}

bool ShownPhotoColour(const ShownPhoto &photo, const RECT &canvas, POINT canvasPixel, COLORREF *shown,
                      COLORREF *own) {
  if (!photo.image || !PtInRect(&canvas, canvasPixel)) return false;
  SIZE size = {photo.image->width, photo.image->height};
  SIZE canvasSize = {canvas.right - canvas.left, canvas.bottom - canvas.top};
  POINT at;
  if (!PhotoPixelFor(size, photo.placement, canvasSize, {canvasPixel.x - canvas.left, canvasPixel.y - canvas.top},
                     &at))
    return false;
  const std::uint8_t *p = PhotoAddress(*photo.image, at.x, at.y);
  if (shown)
    *shown = RGB(BlendOverWhite(p[2], photo.strength), BlendOverWhite(p[1], photo.strength),
                 BlendOverWhite(p[0], photo.strength));
  if (own) *own = RGB(p[2], p[1], p[0]);
  return true;
}

void DrawPhoto(HDC dc, const ShownPhoto &photo, const RECT &canvas) {
  RECT clip, area;
  if (!photo.image || GetClipBox(dc, &clip) == ERROR || !IntersectRect(&area, &clip, &canvas)) return;
  // The photo covers a rectangle of the canvas: the columns it reaches and
  // the rows it reaches, each axis on its own.
  const PhotoPlacement &placed = photo.placement;
  if (photo.image->width <= 0 || photo.image->height <= 0 || placed.scale <= 0) return;
  PhotoFit fit = FitOf({photo.image->width, photo.image->height});
  std::vector<int> columns, rows;
  LONG at;
  LONG left = area.right, right = area.left, top = area.bottom, bottom = area.top;
  for (LONG x = area.left; x < area.right; ++x)
    if (AxisPixel(x - canvas.left, canvas.right - canvas.left, photo.image->width, placed.x, placed.scale, fit, &at)) {
      columns.push_back(at);
      left = std::min(left, x), right = x + 1;
    }
  for (LONG y = area.top; y < area.bottom; ++y)
    if (AxisPixel(y - canvas.top, canvas.bottom - canvas.top, photo.image->height, placed.y, placed.scale, fit, &at)) {
      rows.push_back(at);
      top = std::min(top, y), bottom = y + 1;
    }
  if (columns.empty() || rows.empty()) return;
  area = {left, top, right, bottom};
  int width = static_cast<int>(columns.size()), height = static_cast<int>(rows.size());
  // Bottom row first, each row a whole number of words.
  int stride = static_cast<int>(RowStride(width));
  std::vector<std::uint8_t> bits(static_cast<std::size_t>(stride) * height);
  for (int y = 0; y < height; ++y) {
    std::uint8_t *out = &bits[static_cast<std::size_t>(height - 1 - y) * stride];
    for (int x = 0; x < width; ++x, out += 3) {
      const std::uint8_t *p = PhotoAddress(*photo.image, columns[x], rows[y]);
      for (int c = 0; c < 3; ++c) out[c] = BlendOverWhite(p[c], photo.strength);
    }
  }
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof info.bmiHeader, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  SetDIBitsToDevice(dc, area.left, area.top, width, height, 0, 0, 0, height, bits.data(), &info, DIB_RGB_COLORS);
  // The parts may be drawn on the frame's pixels in place next.
  GdiFlush();
}
