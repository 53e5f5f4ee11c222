// Frames: 24-bit images off the screen, each selected into a memory device
// context, into which a window's content is drawn and then copied to the
// window in one piece. The drawing writes a frame's pixels in place.
#pragma once

#include <windows.h>

#include "dib24.h"

struct Frame {
  HBITMAP bitmap;
  HDC dc;
  HGDIOBJ previous;  // what dc held before the bitmap
  Pixels24 pixels;
};

// Makes a frame of width x height pixels for window's device (compatible
// with like). Returns 0, with nothing left made, when the image or the
// context cannot be made (shown in a box owned by window, at most once per
// paint). Release with CloseFrame.
int OpenFrame(HWND window, HDC like, int width, int height, Frame *frame);
void CloseFrame(Frame *frame);

// The pixels of the open frame whose context is dc; false for any other dc.
bool FramePixels(HDC dc, Pixels24 *pixels);
