// The picture enlarged with crisp pixel blocks, for the export and the
// clipboard.
#pragma once

#include "canvas_image.h"

// The canvas composed (RenderCanvasImage) and scaled. Returns 0, with why
// kept in *failure, when it cannot be made.
int ScaledCanvasImage(HWND editor, int scale, CanvasImage *scaled, Failure *failure);
