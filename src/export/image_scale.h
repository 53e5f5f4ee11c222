// The picture enlarged with crisp pixel blocks, for the export and the
// clipboard.
#pragma once

#include "canvas_image.h"

// image with every pixel made a scale x scale block (nearest neighbour).
CanvasImage ScaleCanvasImage(const CanvasImage &image, int scale);

// The canvas composed (RenderCanvasImage) and scaled. Returns 0, with why
// kept in *failure, when it cannot be made.
int ScaledCanvasImage(HWND editor, int scale, CanvasImage *scaled, Failure *failure);
