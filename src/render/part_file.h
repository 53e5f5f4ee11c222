// Loading part bitmaps. Every part file the program draws or reads is
// opened here, from baseDir, so that the portrait and the palette do not
// depend on the current directory (a Save-As dialog may change it).
#pragma once

#include <windows.h>

#include <cstddef>

// Part bitmaps larger than this on either side are not loaded.
const int PART_FILE_MAX_SIDE = 4096;

// True when bytes, the start of a file of fileLength bytes, hold a BMP
// header that the platform loader can read without running past the file's
// end: "BM", a known information header, width and height from 1 to
// PART_FILE_MAX_SIDE, 1 plane, 1, 4, 8, 16, 24 or 32 bits per pixel,
// uncompressed (or bit fields for 16 and 32), the colour table and every row
// of pixels inside the file. headerLength may be shorter than the headers
// (then they do not fit).
bool PartFileHeaderFits(const unsigned char *bytes, std::size_t headerLength,
                        unsigned long long fileLength);

// Loads the part file at baseDir\relativePath as a device-compatible bitmap
// and gives its size. Returns null, with nothing made and nothing shown, when
// the path is too long for the platform, or the file is missing, not a
// regular file, or not a bitmap whose header fits (PartFileHeaderFits). The
// caller releases the bitmap with DeleteObject, once it has left every
// context.
HBITMAP LoadPartBitmap(const char *relativePath, int *width, int *height);

// A loaded part file selected into a memory device context of its own,
// compatible with the screen, ready to be copied from.
struct PartSource {
  HBITMAP bitmap;
  HDC dc;
  HGDIOBJ previous;  // what dc held before the bitmap
  int width;
  int height;
};

// Loads relativePath into source. Returns 0 with nothing left made when the
// file cannot be loaded (nothing shown) or when the memory context cannot be
// made ("失敗しました。" / "CreateCompatibleDC", owned by window, at most once
// per paint). Release with ClosePartSource.
int OpenPartSource(HWND window, const char *relativePath, PartSource &source);

// Selects the bitmap out of its context, deletes the context, then the bitmap.
void ClosePartSource(PartSource &source);
