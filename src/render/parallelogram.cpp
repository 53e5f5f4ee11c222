#include "parallelogram.h"

#include <algorithm>
#include <cstdlib>

#include "dib24.h"
#include "memory_dc.h"
#include "row_stride.h"

RECT ParallelogramBounds(const POINT corners[3]) {
  POINT fourth = {corners[1].x + corners[2].x - corners[0].x,
                  corners[1].y + corners[2].y - corners[0].y};
  RECT box = {fourth.x, fourth.y, fourth.x, fourth.y};
  for (int i = 0; i < 3; ++i) {
    box.left = std::min(box.left, corners[i].x);
    box.top = std::min(box.top, corners[i].y);
    box.right = std::max(box.right, corners[i].x);
    box.bottom = std::max(box.bottom, corners[i].y);
  }
  return box;
}

namespace {

bool Reachable(const POINT corners[3]) {
  for (int i = 0; i < 3; ++i)
    if (std::abs(corners[i].x) > TRANSFER_MAX_COORDINATE ||
        std::abs(corners[i].y) > TRANSFER_MAX_COORDINATE)
      return false;
  return true;
}


// Where a window pixel's centre lies in the parallelogram: doubled to stay
// integral, the centre relative to corner 0 is u * e1 + v * e2 with
// u = s / denominator and v = t / denominator, e1 and e2 the edges along the
// image's top row and left column. Inside when both lie in [0, denominator).
struct Mapping {
  long long e1x, e1y, e2x, e2y, sign, denominator;
  POINT origin;

  explicit Mapping(const POINT corners[3])
      : e1x(corners[1].x - corners[0].x), e1y(corners[1].y - corners[0].y),
        e2x(corners[2].x - corners[0].x), e2y(corners[2].y - corners[0].y), origin(corners[0]) {
    long long det = e1x * e2y - e1y * e2x;
    sign = det > 0 ? 1 : -1;
    denominator = 2 * det * sign;
  }
  bool Flat() const { return denominator == 0; }
  void At(long long x, long long y, long long *s, long long *t) const {
    long long qx = 2 * (x - origin.x) + 1, qy = 2 * (y - origin.y) + 1;
    *s = (qx * e2y - qy * e2x) * sign;
    *t = (e1x * qy - e1y * qx) * sign;
  }
  // The pixel of a width x height image on which the centre of pixel (x, y)
  // lands, column from the left and row from the top; false when the centre
  // lies outside.
  bool Sample(long long x, long long y, int width, int height, long long *column, long long *row) const {
    long long s, t;
    At(x, y, &s, &t);
    if (s < 0 || s >= denominator || t < 0 || t >= denominator) return false;
    *column = s * width / denominator;
    *row = t * height / denominator;
    return true;
  }
};

}  // namespace

bool SampledArea(const POINT corners[3], int width, int height, const RECT &box, RECT *area) {
  if (width <= 0 || height <= 0 || box.left >= box.right || box.top >= box.bottom) return false;
  if (!Reachable(corners)) return false;
  Mapping map(corners);
  if (map.Flat()) return false;
  // s and t follow the pixel position linearly: their extremes over the box
  // lie at its corner pixels.
  long long sMin = map.denominator, sMax = -1, tMin = map.denominator, tMax = -1;
  const long long xs[2] = {box.left, box.right - 1}, ys[2] = {box.top, box.bottom - 1};
  for (long long x : xs)
    for (long long y : ys) {
      long long s, t;
      map.At(x, y, &s, &t);
      sMin = std::min(sMin, s), sMax = std::max(sMax, s);
      tMin = std::min(tMin, t), tMax = std::max(tMax, t);
    }
  sMin = std::max(sMin, 0LL), tMin = std::max(tMin, 0LL);
  sMax = std::min(sMax, map.denominator - 1), tMax = std::min(tMax, map.denominator - 1);
  if (sMin > sMax || tMin > tMax) return false;
  area->left = static_cast<LONG>(sMin * width / map.denominator);
  area->right = static_cast<LONG>(sMax * width / map.denominator + 1);
  area->top = static_cast<LONG>(tMin * height / map.denominator);
  area->bottom = static_cast<LONG>(tMax * height / map.denominator + 1);
  return true;
}

void MapParallelogram(const POINT corners[3], const TransferSource &source,
                      const TransferTarget &target) {
  if (source.width <= 0 || source.height <= 0) return;
  if (source.width > TRANSFER_MAX_SIDE || source.height > TRANSFER_MAX_SIDE) return;
  if (!Reachable(corners)) return;
  Mapping map(corners);
  if (map.Flat()) return;
  for (int ty = 0; ty < target.height; ++ty) {
    unsigned char *line = target.topRow + ty * target.stride;
    for (int tx = 0; tx < target.width; ++tx) {
      long long column, row;
      if (!map.Sample(static_cast<long long>(target.left) + tx, static_cast<long long>(target.top) + ty,
                      source.width, source.height, &column, &row))
        continue;
      column -= source.left;
      long long stored = source.top + source.rows - 1 - row;
      if (column < 0 || column >= source.paddedWidth || stored < 0 || stored >= source.rows) continue;
      long long at = stored * source.paddedWidth + column;
      if (!source.mask[at]) continue;
      const unsigned char *from = source.pixels + at * 3;
      unsigned char *to = line + tx * 3;
      to[0] = from[0];
      to[1] = from[1];
      to[2] = from[2];
    }
  }
}

bool SampledPixel(const POINT corners[3], int width, int height, int x, int y, POINT *pixel) {
  if (width <= 0 || height <= 0 || width > TRANSFER_MAX_SIDE || height > TRANSFER_MAX_SIDE) return false;
  if (!Reachable(corners)) return false;
  Mapping map(corners);
  long long column, row;
  if (map.Flat() || !map.Sample(x, y, width, height, &column, &row)) return false;
  *pixel = {static_cast<LONG>(column), static_cast<LONG>(row)};
  return true;
}

RECT TransferBox(HWND window, HDC dc, const POINT corners[3]) {
  RECT empty = {0, 0, 0, 0};
  if (!Reachable(corners)) return empty;
  RECT box = ParallelogramBounds(corners);
  RECT client, clip, onClient, result;
  GetClientRect(window, &client);
  if (GetClipBox(dc, &clip) == ERROR) return empty;
  if (!IntersectRect(&onClient, &box, &client)) return empty;
  if (!IntersectRect(&result, &onClient, &clip)) return empty;
  return result;
}

void TransferParallelogram(HWND window, HDC dc, const POINT corners[3], const TransferSource &source,
                           const Pixels24 *framePixels, Failure *failure) {
  RECT box = TransferBox(window, dc, corners);
  int width = box.right - box.left;
  int height = box.bottom - box.top;
  if (width <= 0 || height <= 0) return;

  TransferTarget target;
  if (framePixels) {
    GdiFlush();  // what GDI was asked to draw before is in the pixels
    target = TransferTarget{PixelAddress(*framePixels, box.left, box.top), -framePixels->stride, box.left,
                            box.top, width, height};
    MapParallelogram(corners, source, target);
    return;
  }
  Pixels24 buffer;
  HBITMAP bitmap = CreateDib24(width, height, &buffer, failure);
  if (!bitmap) return;
  HDC bufferDC = CreateMemoryDC(dc, failure);
  if (!bufferDC) {
    DeleteObject(bitmap);
    return;
  }
  HGDIOBJ previous = SelectObject(bufferDC, bitmap);
  // Without the window's pixels the buffer would paint its own blank over them.
  if (BitBlt(bufferDC, 0, 0, width, height, dc, box.left, box.top, SRCCOPY)) {
    GdiFlush();
    target = TransferTarget{PixelAddress(buffer, 0, 0), -buffer.stride, box.left, box.top, width, height};
    MapParallelogram(corners, source, target);
    BitBlt(dc, box.left, box.top, width, height, bufferDC, 0, 0, SRCCOPY);
  }
  SelectObject(bufferDC, previous);
  DeleteMemoryDC(bufferDC);
  DeleteObject(bitmap);
}
