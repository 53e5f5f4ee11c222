// 保存 from the preview: a rectangle of a window's on-screen pixels saved as
// a 24-bit BMP file under a name the user chooses.
#pragma once

#include <windows.h>

#include <cstdint>

#include "failure.h"

// Reads the rectangle (x, y, width, height) of window's client area and
// assembles the whole file, BmpFileSize(width, height) bytes, in one
// zero-filled block; the caller releases it with GlobalFree. Returns null,
// with the call that failed kept in *failure, when the memory cannot be
// had or the pixels cannot be read.
std::uint8_t *MakeBmpFileImage(HWND window, int x, int y, int width, int height, Failure *failure);

// Reads the rectangle, asks for a path and writes the file there. Nothing
// is written when the user cancels or anything fails; failures are shown
// in boxes owned by window.
void SaveWindowAsBmp(HWND window, int x, int y, int width, int height);
