#include "zoom.h"

#include <algorithm>

#include "portrait.h"

namespace {

// Division rounding down, also for a negative numerator.
long FloorDiv(long a, long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

POINT CanvasToWindow(const ZoomView &zoom, POINT c) {
  return {ZOOM_ANCHOR.x + zoom.zoom * (c.x - ZOOM_ANCHOR.x), ZOOM_ANCHOR.y + zoom.zoom * (c.y - ZOOM_ANCHOR.y)};
}

POINT WindowToCanvas(const ZoomView &zoom, POINT w) {
  return {ZOOM_ANCHOR.x + FloorDiv(w.x - ZOOM_ANCHOR.x, zoom.zoom),
          ZOOM_ANCHOR.y + FloorDiv(w.y - ZOOM_ANCHOR.y, zoom.zoom)};
}

RECT CanvasRectToWindow(const ZoomView &zoom, const RECT &c) {
  if (IsRectEmpty(&c)) return {0, 0, 0, 0};
  POINT from = CanvasToWindow(zoom, {c.left, c.top}), to = CanvasToWindow(zoom, {c.right, c.bottom});
  return {from.x, from.y, to.x, to.y};
}

RECT WindowRectToCanvas(const ZoomView &zoom, const RECT &w) {
  if (IsRectEmpty(&w)) return {0, 0, 0, 0};
  POINT from = WindowToCanvas(zoom, {w.left, w.top}), last = WindowToCanvas(zoom, {w.right - 1, w.bottom - 1});
  return {from.x, from.y, last.x + 1, last.y + 1};
}

bool InZoomView(const ZoomView &zoom, POINT w) { return PtInRect(&zoom.view, w) != FALSE; }

ZoomLayout LayOutZoom(int zoom, const RECT &frame1x, SIZE client1x, int edge) {
  zoom = ClampZoom(zoom);
  ZoomLayout layout;
  layout.shift = {(zoom - 1) * CANVAS_WIDTH, (zoom - 1) * CANVAS_HEIGHT};
  layout.frame = frame1x;
  layout.frame.right += layout.shift.cx;
  layout.frame.bottom += layout.shift.cy;
  layout.client = {client1x.cx + layout.shift.cx, client1x.cy + layout.shift.cy};
  if (zoom == 1) {
    layout.view = {0, 0, client1x.cx, client1x.cy};
  } else {
    layout.view = layout.frame;
    InflateRect(&layout.view, -edge, -edge);
  }
  return layout;
}

bool ZoomFits(int zoom, SIZE outer1x, const RECT &workArea) {
  ZoomLayout layout = LayOutZoom(zoom, {0, 0, 0, 0}, outer1x, 0);
  return layout.client.cx <= workArea.right - workArea.left && layout.client.cy <= workArea.bottom - workArea.top;
}

int ClampZoom(int zoom) { return std::min(std::max(zoom, ZOOM_MIN), ZOOM_MAX); }

int BoundedWheelTurn(int rest, int delta) {
  long long turn = static_cast<long long>(rest) + delta;
  const long long most = static_cast<long long>(WHEEL_NOTCHES_MAX) * WHEEL_DELTA;
  return static_cast<int>(std::min(std::max(turn, -most), most));
}
