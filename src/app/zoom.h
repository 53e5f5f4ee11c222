// The zoomed canvas: the rules of where everything goes at a zoom of 1x to
// 6x and at the display's scale, and of how a window pixel and a canvas
// pixel answer each other. Plain functions, no window: the window side is
// zoom_view.h.
//
// A canvas pixel is a pixel of the portrait as it stands at 1x, in the
// editor's 1x client coordinates at 96 dpi (canvasX, canvasY and every
// part's place are in them). On the window canvas pixel c shows as the
// k x k block whose top-left corner is origin + k (c - ZOOM_ANCHOR), where
// k is the zoom times the display's picture scale (display_scale.h) and
// origin the place of the canvas's start corner: ZOOM_ANCHOR scaled with
// the dialog, moved in to centre the start canvas where its scaled place is
// larger. The canvas frame grows right and down by what the start canvas
// needs beyond its scaled place, so that its margins stay.
#pragma once

#include <windows.h>

#include "display_scale.h"

const int ZOOM_MIN = 1;
const int ZOOM_MAX = 6;
const int OUTLINE_ZOOM_MIN = 2;  // the outline of the part being edited
const int GRID_ZOOM_MIN = 3;     // the grid between canvas pixels

// The canvas's start corner (a new portrait's canvasX, canvasY).
const POINT ZOOM_ANCHOR = {40, 45};

// Where the canvas shows: zoom is the side of a canvas pixel's block in
// window pixels, origin the window pixel of ZOOM_ANCHOR's block, and view
// holds the window pixels that show canvas pixels: at 1x and 96 dpi the
// whole client area (the portrait is drawn over the window as it always
// was), else the canvas frame's inside.
struct ZoomView {
  int zoom;
  POINT origin;
  RECT view;
};

// Whether the canvas pixels are the window's own pixels (1x at 96 dpi).
bool CanvasInPlace(const ZoomView &zoom);

// The window pixel at the top-left of canvas pixel c's block, and the canvas
// pixel whose block holds window pixel w (also outside the view: a drag
// follows the captured pointer anywhere).
POINT CanvasToWindow(const ZoomView &zoom, POINT c);
POINT WindowToCanvas(const ZoomView &zoom, POINT w);

// The window pixels of the blocks of a rectangle of canvas pixels, and the
// smallest rectangle of canvas pixels whose blocks cover a rectangle of
// window pixels (right and bottom exclusive, empty stays empty).
RECT CanvasRectToWindow(const ZoomView &zoom, const RECT &c);
RECT WindowRectToCanvas(const ZoomView &zoom, const RECT &w);

// Whether window pixel w shows a canvas pixel.
bool InZoomView(const ZoomView &zoom, POINT w);

// The editor at a zoom and dpi, from its 1x layout at that dpi: the canvas
// frame grown right and down by what the canvas needs beyond its scaled
// place (at 96 dpi (zoom - 1) x (80 x 100)); every other control and the
// palette's cells moved right and down by the same as one block; the
// client area and the window grown by it too.
struct ZoomLayout {
  ZoomView canvas;
  SIZE shift;   // what every control but the canvas frame moves by
  RECT frame;   // the canvas frame
  SIZE client;  // the client area's size
};
ZoomLayout LayOutZoom(int zoom, int dpi, const RECT &frame1x, SIZE client1x, int edge);

// Whether the window, outer1x in size at 1x, fits a work area at zoom.
bool ZoomFits(int zoom, int dpi, SIZE outer1x, const RECT &workArea);

// The window's rectangle moved as little as it takes to lie within the work
// area; one wider or taller than the work area starts at its left or top
// edge. As it is when it lies within it already.
RECT KeptOnWorkArea(const RECT &window, const RECT &workArea);

// A zoom within ZOOM_MIN..ZOOM_MAX: the nearest one.
int ClampZoom(int zoom);

// At most this many notches of the wheel are taken from one message: a
// larger turn is cut there, so that the window answers within a frame.
const int WHEEL_NOTCHES_MAX = 10;

// The turn still to be carried out after adding delta to rest, cut to
// WHEEL_NOTCHES_MAX notches either way.
int BoundedWheelTurn(int rest, int delta);
