#include "photo.h"

#include <algorithm>

#include "portrait.h"

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

bool PhotoPixelFor(SIZE photo, const PhotoPlacement &placement, SIZE canvasSize, POINT pixel, POINT *photoPixel) {
  if (photo.cx <= 0 || photo.cy <= 0 || placement.scale <= 0) return false;
  // The side that bounds the fit: the canvas's width for a photo wider than
  // the canvas's shape, else its height. At scale p a photo pixel is
  // fitCanvas / fitPhoto x p / 100 canvas pixels.
  bool byWidth = 1LL * photo.cx * CANVAS_HEIGHT >= 1LL * photo.cy * CANVAS_WIDTH;
  long long fitCanvas = byWidth ? CANVAS_WIDTH : CANVAS_HEIGHT, fitPhoto = byWidth ? photo.cx : photo.cy;
  long long p = placement.scale, divisor = 2 * fitCanvas * p;
  // Twice the distance of the pixel's centre from the photo's centre.
  long long tx = 2LL * pixel.x + 1 - canvasSize.cx - 2LL * placement.x;
  long long ty = 2LL * pixel.y + 1 - canvasSize.cy - 2LL * placement.y;
  long long px = FloorDiv(tx * 100 * fitPhoto + fitCanvas * p * photo.cx, divisor);
  long long py = FloorDiv(ty * 100 * fitPhoto + fitCanvas * p * photo.cy, divisor);
  if (px < 0 || py < 0 || px >= photo.cx || py >= photo.cy) return false;
  *photoPixel = {static_cast<LONG>(px), static_cast<LONG>(py)};
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
  // The photo covers a rectangle of the canvas: the columns it reaches on
  // any row and the rows it reaches in any column.
  SIZE size = {photo.image->width, photo.image->height};
  SIZE canvasSize = {canvas.right - canvas.left, canvas.bottom - canvas.top};
  std::vector<int> columns, rows;
  POINT at;
  int anyRow = -1, anyColumn = -1;
  for (int y = area.top; y < area.bottom && anyRow < 0; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (PhotoPixelFor(size, photo.placement, canvasSize, {x - canvas.left, y - canvas.top}, &at)) {
        anyRow = y, anyColumn = x;
        break;
      }
  if (anyRow < 0) return;
  int left = area.right, right = area.left, top = area.bottom, bottom = area.top;
  for (int x = area.left; x < area.right; ++x)
    if (PhotoPixelFor(size, photo.placement, canvasSize, {x - canvas.left, anyRow - canvas.top}, &at)) {
      columns.push_back(at.x);
      left = std::min(left, x), right = x + 1;
    }
  for (int y = area.top; y < area.bottom; ++y)
    if (PhotoPixelFor(size, photo.placement, canvasSize, {anyColumn - canvas.left, y - canvas.top}, &at)) {
      rows.push_back(at.y);
      top = std::min(top, y), bottom = y + 1;
    }
  area = {left, top, right, bottom};
  int width = static_cast<int>(columns.size()), height = static_cast<int>(rows.size());
  // Bottom row first, each row a whole number of words.
  int stride = (width * 3 + 3) / 4 * 4;
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
