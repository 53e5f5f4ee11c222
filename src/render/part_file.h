// Reading part files. Every part file the program draws or reads is opened
// here, from baseDir, so that the portrait and the palette do not depend on
// the current directory (a Save-As dialog may change it). A file is read
// once and decoded by the program itself into a 24-bit image with exactly
// the file's colours, whatever the display.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "dib24.h"

// Part bitmaps larger than this on either side are not loaded.
const int PART_FILE_MAX_SIDE = 4096;

// What the headers of a part file say about its pixels.
struct PartFileLayout {
  int width;
  int height;
  bool topDown;                   // rows stored top row first
  int bitCount;                   // 1, 4, 8, 16, 24 or 32
  unsigned long masks[3];         // red, green, blue bits of a 16 or 32-bit pixel
  std::size_t tableOffset;        // colour table, from the file's start
  int tableEntries;
  int tableEntrySize;             // 3 (core header) or 4
  unsigned long long pixelOffset; // first row, from the file's start
  unsigned long long rowSize;     // bytes of one stored row
};

// The file header, the largest information header and a full colour table:
// all of a part file that comes before its pixels.
const std::size_t PART_FILE_HEADERS_SIZE = 14 + 124 + 256 * 4;

// Why a part file is not read: the first rule it breaks.
enum PartFileProblem {
  PART_FILE_READ = 0,         // none: the file is read
  PART_FILE_PATH_TOO_LONG,    // baseDir and the path exceed MAX_PATH - 1
  PART_FILE_NOT_OPENED,       // missing, a folder, or locked
  PART_FILE_NOT_DISK_FILE,    // a device or pipe
  PART_FILE_NOT_READABLE,     // its size or first bytes could not be read
  PART_FILE_TOO_SHORT,        // ends inside its headers
  PART_FILE_NOT_BMP,          // no "BM" at its start
  PART_FILE_HEADER_KIND,      // an information header of another size
  PART_FILE_SIDE,             // width or height outside 1 to PART_FILE_MAX_SIDE
  PART_FILE_PLANES,           // not 1 plane
  PART_FILE_BIT_COUNT,        // not 1, 4, 8, 16, 24 or 32 bits per pixel
  PART_FILE_COMPRESSED,       // compressed, or bit fields below 16 bits
  PART_FILE_COLOURS_USED,     // more colours than its bits can index
  PART_FILE_PIXEL_OFFSET,     // pixels said to start inside the headers
  PART_FILE_CUT_SHORT,        // colour table or pixel rows past the file's end
};

// Reads the layout from bytes, the start of a file of fileLength bytes, of
// which headerLength are given. True when they hold a BMP header that the
// program reads without running past the file's end: "BM", a known
// information header (12, 40, 52, 56, 108 or 124 bytes), width and height
// from 1 to PART_FILE_MAX_SIDE (rows top-down or bottom-up), 1 plane, 1, 4,
// 8, 16, 24 or 32 bits per pixel, uncompressed (or bit fields for 16 and
// 32), the colour table and every row of pixels inside the file. When
// false, *problem (if given) says which rule the header breaks.
bool ReadPartFileLayout(const unsigned char *bytes, std::size_t headerLength,
                        unsigned long long fileLength, PartFileLayout *layout,
                        PartFileProblem *problem = nullptr);

// The same test without the layout.
bool PartFileHeaderFits(const unsigned char *bytes, std::size_t headerLength,
                        unsigned long long fileLength);

// Decodes stored rows r0 to r1 - 1 of a file (stored holds them,
// layout.rowSize bytes each, in the file's order) into image, which has the
// file's size. headers holds the file's start, with the colour table. A
// colour index beyond the table is black; bit fields of fewer than 8 bits
// are widened by repeating their top bits, wider ones keep their top 8.
void DecodePartRows(const PartFileLayout &layout, const unsigned char *headers,
                    const unsigned char *stored, int r0, int r1, const Pixels24 &image);

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
// made (shown) or the rows cannot be read. The caller releases the bitmap
// with DeleteObject.
HBITMAP ReadPartImage(HWND window, PartFile *file, RowSpan rows, Pixels24 *pixels);

// Reads the rows of an open file that fall in rows into storage, without
// an image of the platform's: *pixels then describes an image of the file's
// width whose rows rows.first to rows.last - 1 (from the top) are readable
// (its height is rows.last). Returns false when no row falls in rows or the
// rows cannot be read.
bool ReadPartRows(PartFile *file, RowSpan rows, std::vector<unsigned char> &storage, Pixels24 *pixels);

// Reads and decodes all of baseDir\relativePath into a new 24-bit image
// (see ReadPartImage). Returns null, with nothing made, when the file does
// not open (OpenPartFile) or its image cannot be made or read.
HBITMAP LoadPartImage(HWND window, const char *relativePath, Pixels24 *pixels);

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
// memory context cannot be made, which is shown ("DIBが作成出来ませんでした。"
// or "失敗しました。" / "CreateCompatibleDC", owned by window, at most once
// per paint). Release with ClosePartSource.
int OpenPartSource(HWND window, PartFile *file, RowSpan rows, PartSource &source);

// Selects the bitmap out of its context, deletes the context, then the bitmap.
void ClosePartSource(PartSource &source);

// Sets the colour of PieceTable[s] from the first pixel of its file that is
// neither pure white nor pure black, bottom row first (0, 0, 0 when there is
// none). A file that cannot be read, or an image that cannot be made,
// leaves the colour as it was. window owns the failure messages.
void PickDefaultColour(HWND window, int s);
