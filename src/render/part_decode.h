// The bytes of a part file: what its headers say about its pixels, and its
// rows decoded into a 24-bit image. Plain rules on byte buffers, with no
// platform headers, so that they can be built and fuzzed anywhere.
#pragma once

#include <cstddef>

#include "pixels24.h"

// The compressions of a BMP information header that the program reads.
const unsigned long PART_BI_RGB = 0;
const unsigned long PART_BI_BITFIELDS = 3;

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
  PART_FILE_NOT_READABLE,     // its size or first bytes could not be read, or were read short
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
// 32), the colour table and every row of pixels inside the file, and the
// colour table (or masks) inside the bytes given. When false, *problem (if given) says which rule the header breaks.
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

