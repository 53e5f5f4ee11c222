// Saving a rectangle of a window's on-screen pixels as a 24-bit BMP file
// under a name the user chooses.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// Reads the rectangle (x, y, width, height) of window's client area and
// assembles the whole file, BmpFileSize(width, height) bytes, in one
// zero-filled block; the caller releases it with GlobalFree. Returns null,
// after showing which call failed in a box owned by window, when the memory
// cannot be had or the pixels cannot be read.
std::uint8_t *MakeBmpFileImage(HWND window, int x, int y, int width, int height);

// The name a file is written under before it takes path's place: number
// behind a fixed stem, in path's folder. Empty when it does not fit the
// platform's path limit.
std::wstring TemporarySavePath(const std::wstring &path, unsigned number);

// Writes size bytes of data as the file path: complete under a temporary
// name in path's folder first, then moved over path, replacing a file of
// that name. Returns 1 when done. Returns 0 after showing the failure in a
// box owned by owner; then no temporary file is left and a file already at
// path is as it was.
int WriteFileReplacing(HWND owner, const std::wstring &path, const void *data, DWORD size);

// Reads the rectangle, asks for a path and writes the file there. Nothing
// is written when the user cancels or anything fails; failures are shown
// in boxes owned by window.
void SaveWindowAsBmp(HWND window, int x, int y, int width, int height);
