// The portrait as a picture, composed from the portrait model rather than
// read from the screen: what the export and the clipboard start from.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "failure.h"

// A picture: width x height pixels, top row first, four bytes each: blue,
// green, red and alpha (255 drawn, 0 transparent). A transparent pixel
// holds the white of the canvas.
struct CanvasImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
};

// The canvas rectangle as it stands (canvasX, canvasY, canvasWidth,
// canvasHeight), composed twice in editor's client area: on the white
// canvas for the colours, and on a black one to find where the canvas shows
// through no part, which becomes transparent. Returns 0, with why kept in
// *failure, when the canvas has no area or the picture cannot be made.
int RenderCanvasImage(HWND editor, CanvasImage *image, Failure *failure);
