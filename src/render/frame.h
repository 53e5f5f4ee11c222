// Frames: 24-bit images off the screen, each selected into a memory device
// context, into which a window's content is drawn and then copied to the
// window in one piece. The drawing writes a frame's pixels in place, handed
// to it with the context.
#pragma once

#include <windows.h>

#include "dib24.h"

struct Frame {
  HBITMAP bitmap;
  HDC dc;
  HGDIOBJ previous;  // what dc held before the bitmap
  Pixels24 pixels;
};

// Makes a frame of width x height pixels whose context is compatible with
// like. Returns 0, with nothing left made and the failure kept in *failure,
// when the image or the context cannot be made. Release with CloseFrame.
int OpenFrame(HDC like, int width, int height, Frame *frame, Failure *failure);
void CloseFrame(Frame *frame);
