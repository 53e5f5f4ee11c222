// Capture of a window's on-screen pixels, and the one captured picture that
// every preview window paints.
#pragma once

#include <windows.h>

#include "failure.h"

// The last captured picture: a bitmap in the display's format. Empty (no
// bitmap) at start and again once the last preview that painted it is gone.
struct CapturedImageRecord {
  HBITMAP bitmap;
  int width;
  int height;
};
extern CapturedImageRecord CapturedImage;

// Copies the rectangle (x, y, width, height) of window's client area into a
// new bitmap compatible with the window's device context; the caller
// releases it (DeleteObject). Returns null when any step fails, or when a
// side is not positive, with the call that failed kept in *failure.
HBITMAP CopyWindowPixels(HWND window, int x, int y, int width, int height, Failure *failure);

// What CaptureCanvas copies the rectangle with: CopyWindowPixels, unless
// the window shows its canvas otherwise than at its own size (the editor
// zoomed) or shows more than the portrait there (the editor's reference
// photo), when the editor puts a copy of the same pixels from its 1x
// picture without the photo here.
extern HBITMAP (*copyCanvasPixels)(HWND window, int x, int y, int width, int height, Failure *failure);

// Puts a copy of the rectangle into CapturedImage and releases the bitmap
// it replaces: every open preview paints the current capture, so none can
// paint the old one again. Returns 0, with the failure kept in *failure and
// CapturedImage as it was, when the pixels could not be copied.
int CaptureCanvas(HWND window, int x, int y, int width, int height, Failure *failure);

// Draws CapturedImage 1:1 at (0, 0) of dc; nothing while it is empty.
// Returns the failure, for the preview's paint to show.
Failure PaintCapture(HDC dc);

// Releases CapturedImage's bitmap and empties the record.
void ReleaseCapturedImage();
