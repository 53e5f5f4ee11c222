#include "render/parallelogram.h"

#include <algorithm>
#include <cstdlib>

#include "render/dib24.h"
#include "render/memory_dc.h"
#include "render/paint_failure.h"
#include "res/texts.h"

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

static bool Drawable(const POINT corners[3], const TransferSource &source) {
  if (source.width <= 0 || source.height <= 0) return false;
  if (source.width > TRANSFER_MAX_SIDE || source.height > TRANSFER_MAX_SIDE) return false;
  for (int i = 0; i < 3; ++i)
    if (std::abs(corners[i].x) > TRANSFER_MAX_COORDINATE ||
        std::abs(corners[i].y) > TRANSFER_MAX_COORDINATE)
      return false;
  return true;
}

void MapParallelogram(const POINT corners[3], const TransferSource &source,
                      const TransferTarget &target) {
  if (!Drawable(corners, source)) return;
  // Edge vectors from corner 0 along the image's top row and left column.
  long long e1x = corners[1].x - corners[0].x, e1y = corners[1].y - corners[0].y;
  long long e2x = corners[2].x - corners[0].x, e2y = corners[2].y - corners[0].y;
  long long det = e1x * e2y - e1y * e2x;
  if (det == 0) return;
  // A pixel centre relative to corner 0, doubled to stay integral, is
  // u * e1 + v * e2 with u = s / denominator and v = t / denominator.
  long long sign = det > 0 ? 1 : -1;
  long long denominator = 2 * det * sign;
  for (int ty = 0; ty < target.height; ++ty) {
    long long qy = 2 * (static_cast<long long>(target.top) + ty - corners[0].y) + 1;
    unsigned char *row = target.pixels + static_cast<long long>(target.height - 1 - ty) * target.stride;
    for (int tx = 0; tx < target.width; ++tx) {
      long long qx = 2 * (static_cast<long long>(target.left) + tx - corners[0].x) + 1;
      long long s = (qx * e2y - qy * e2x) * sign;
      long long t = (e1x * qy - e1y * qx) * sign;
      if (s < 0 || s >= denominator || t < 0 || t >= denominator) continue;
      long long column = s * source.width / denominator;
      long long sourceRow = source.height - 1 - t * source.height / denominator;
      long long at = sourceRow * source.paddedWidth + column;
      if (!source.mask[at]) continue;
      const unsigned char *from = source.pixels + at * 3;
      unsigned char *to = row + tx * 3;
      to[0] = from[0];
      to[1] = from[1];
      to[2] = from[2];
    }
  }
}

static RECT ClippedBounds(HWND window, HDC dc, const POINT corners[3]) {
  RECT box = ParallelogramBounds(corners);
  RECT client, clip, result = {0, 0, 0, 0};
  GetClientRect(window, &client);
  if (GetClipBox(dc, &clip) == ERROR) return result;
  RECT onClient;
  if (!IntersectRect(&onClient, &box, &client)) return result;
  IntersectRect(&result, &onClient, &clip);
  return result;
}

void TransferParallelogram(HWND window, HDC dc, const POINT corners[3],
                           const TransferSource &source) {
  if (!Drawable(corners, source)) return;
  RECT box = ClippedBounds(window, dc, corners);
  int width = box.right - box.left;
  int height = box.bottom - box.top;
  if (width <= 0 || height <= 0) return;

  HBITMAP buffer;
  void *bits;
  CreateDib24(window, &buffer, &bits, (width + 3) / 4 * 4, height);
  if (!buffer) return;
  HDC bufferDC = CreateCompatibleDC(dc);
  if (!bufferDC) {
    ShowPaintFailure(window, TEXT_FAILED, CAPTION_CREATE_DC);
    DeleteObject(buffer);
    return;
  }
  HGDIOBJ previous = SelectObject(bufferDC, buffer);
  // Without the window's pixels the buffer would paint its own blank over them.
  if (BitBlt(bufferDC, 0, 0, width, height, dc, box.left, box.top, SRCCOPY)) {
    GdiFlush();
    TransferTarget target = {static_cast<unsigned char *>(bits), (width + 3) / 4 * 4 * 3,
                             box.left, box.top, width, height};
    MapParallelogram(corners, source, target);
    BitBlt(dc, box.left, box.top, width, height, bufferDC, 0, 0, SRCCOPY);
  }
  SelectObject(bufferDC, previous);
  DeleteMemoryDC(bufferDC);
  DeleteObject(buffer);
}
