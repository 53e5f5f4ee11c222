// Reading part files. Every part file the program draws or reads is opened
// here, from baseDir, so that the portrait and the palette do not depend on
// the current directory (a Save-As dialog may change it). A file is read
// once and decoded by the program itself into a 24-bit image with exactly
// the file's colours, whatever the display.
#pragma once

#include <windows.h>

#include <vector>

#include "dib24.h"
#include "part_decode.h"

// An open part file whose headers fit it: its size is known, its pixels are
// not read yet.
struct PartFile {
  HANDLE handle;
  unsigned char headers[PART_FILE_HEADERS_SIZE];
  PartFileLayout layout;
};

// Opens baseDir\relativePath and reads its headers. Returns 0, with nothing
// left open, when the path is too long for the platform, or the file is
// missing, not a regular file (a folder, a device), or its headers do not
// fit (ReadPartFileLayout); *problem (if given) then says which. The file
// is shared for reading only while open.
int OpenPartFile(const char *relativePath, PartFile *file, PartFileProblem *problem = nullptr);
void ClosePartFile(PartFile *file);

// Rows first to last - 1 of an image, counted from its top.
struct RowSpan {
  int first;
  int last;
};
const RowSpan ALL_ROWS = {0, PART_FILE_MAX_SIDE};

// Reads the rows of an open file that fall in rows into a new 24-bit image
// of the file's whole size (see CreateDib24); the other rows stay black, and
// cost nothing. Returns null, with nothing made, when the image cannot be
// made (kept in *failure) or the rows cannot be read. The caller releases
// the bitmap with DeleteObject.
HBITMAP ReadPartImage(PartFile *file, RowSpan rows, Pixels24 *pixels, Failure *failure);

// Reads the rows of an open file that fall in rows into storage, without
// an image of the platform's: *pixels then describes an image of the file's
// width whose rows rows.first to rows.last - 1 (from the top) are readable
// (its height is rows.last). Returns false when no row falls in rows or the
// rows cannot be read.
bool ReadPartRows(PartFile *file, RowSpan rows, std::vector<unsigned char> &storage, Pixels24 *pixels);

// Reads and decodes all of baseDir\relativePath into a new 24-bit image
// (see ReadPartImage). Returns null, with nothing made, when the file does
// not open (OpenPartFile) or its image cannot be made or read.
HBITMAP LoadPartImage(const char *relativePath, Pixels24 *pixels, Failure *failure);

// Reads the width and height of the part file at baseDir\relativePath
// without reading its pixels. Returns 0, with nothing written, when the file
// does not open (OpenPartFile).
int ReadPartSize(const char *relativePath, int *width, int *height);

// A part file decoded into a 24-bit DIB section and selected into a memory
// device context of its own, ready to be copied from.
struct PartSource {
  HBITMAP bitmap;
  HDC dc;
  HGDIOBJ previous;  // what dc held before the bitmap
  int width;
  int height;
  Pixels24 pixels;
};

// Reads rows of an open file into source (see ReadPartImage). Returns 0
// with nothing left made when they cannot be read, or when the image or the
// memory context cannot be made, which is kept in *failure
// ("DIBが作成出来ませんでした。" or "失敗しました。" / "CreateCompatibleDC").
// Release with ClosePartSource.
int OpenPartSource(PartFile *file, RowSpan rows, PartSource &source, Failure *failure);

// Selects the bitmap out of its context, deletes the context, then the bitmap.
void ClosePartSource(PartSource &source);

// Sets the colour of PieceTable[s] from the first pixel of its file that is
// neither pure white nor pure black, bottom row first (0, 0, 0 when there is
// none). A file that cannot be read, or an image that cannot be made,
// leaves the colour as it was; an image that cannot be made is kept in
// *failure.
void PickDefaultColour(int s, Failure *failure);

// Places entry, the listing entry of index in category's listing (a
// PartList entry for the palette), as a click on its thumbnail places it:
// its size read from the file (a file that cannot be read is placed as
// 0 x 0, which draws nothing) and a new piece's colour picked from its
// pixels. Returns the piece filled, or -1; a failure to show is kept in
// *failure.
int PlaceListedPart(int category, const char *entry, int index, Failure *failure);
