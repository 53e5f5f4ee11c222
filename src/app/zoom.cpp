#include "zoom.h"

#include <algorithm>

#include "portrait.h"

namespace {

// Division rounding down, also for a negative numerator.
long FloorDiv(long a, long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

bool CanvasInPlace(const ZoomView &zoom) {
  return zoom.zoom == 1 && zoom.origin.x == ZOOM_ANCHOR.x && zoom.origin.y == ZOOM_ANCHOR.y;
}

POINT CanvasToWindow(const ZoomView &zoom, POINT c) {
  return {zoom.origin.x + zoom.zoom * (c.x - ZOOM_ANCHOR.x), zoom.origin.y + zoom.zoom * (c.y - ZOOM_ANCHOR.y)};
}

POINT WindowToCanvas(const ZoomView &zoom, POINT w) {
  return {ZOOM_ANCHOR.x + FloorDiv(w.x - zoom.origin.x, zoom.zoom),
          ZOOM_ANCHOR.y + FloorDiv(w.y - zoom.origin.y, zoom.zoom)};
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

ZoomLayout LayOutZoom(int zoom, int dpi, const RECT &frame1x, SIZE client1x, int edge) {
  dpi = UsableDpi(dpi);
  const RECT start = {ZOOM_ANCHOR.x, ZOOM_ANCHOR.y, ZOOM_ANCHOR.x + CANVAS_WIDTH, ZOOM_ANCHOR.y + CANVAS_HEIGHT};
  RECT place = ScaledRect(dpi, start);
  ZoomLayout layout;
  layout.canvas.zoom = ClampZoom(zoom) * PictureScale(dpi);
  layout.canvas.origin = PictureOrigin(dpi, start, layout.canvas.zoom);
  layout.shift = {std::max(layout.canvas.zoom * CANVAS_WIDTH - (place.right - place.left), 0L),
                  std::max(layout.canvas.zoom * CANVAS_HEIGHT - (place.bottom - place.top), 0L)};
  layout.frame = frame1x;
  layout.frame.right += layout.shift.cx;
  layout.frame.bottom += layout.shift.cy;
  layout.client = {client1x.cx + layout.shift.cx, client1x.cy + layout.shift.cy};
  if (CanvasInPlace(layout.canvas)) {
    layout.canvas.view = {0, 0, client1x.cx, client1x.cy};
  } else {
    layout.canvas.view = layout.frame;
    InflateRect(&layout.canvas.view, -edge, -edge);
  }
  return layout;
}

bool ZoomFits(int zoom, int dpi, SIZE outer1x, const RECT &workArea) {
  ZoomLayout layout = LayOutZoom(zoom, dpi, {0, 0, 0, 0}, outer1x, 0);
  return layout.client.cx <= workArea.right - workArea.left && layout.client.cy <= workArea.bottom - workArea.top;
}

RECT KeptOnWorkArea(const RECT &window, const RECT &workArea) {
  LONG width = window.right - window.left, height = window.bottom - window.top;
  LONG left = std::max(std::min(window.left, workArea.right - width), workArea.left);
  LONG top = std::max(std::min(window.top, workArea.bottom - height), workArea.top);
  return {left, top, left + width, top + height};
}

int ClampZoom(int zoom) { return std::min(std::max(zoom, ZOOM_MIN), ZOOM_MAX); }

int BoundedWheelTurn(int rest, int delta) {
  long long turn = static_cast<long long>(rest) + delta;
  const long long most = static_cast<long long>(WHEEL_NOTCHES_MAX) * WHEEL_DELTA;
  return static_cast<int>(std::min(std::max(turn, -most), most));
}
