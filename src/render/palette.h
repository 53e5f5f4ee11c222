// The palette: five thumbnails of the current category's parts, each laid
// out roughly as it sits on a face, with marks above the ones in use.
#pragma once

#include <windows.h>

#include "display_scale.h"
#include "failure.h"
#include "portrait.h"

// Geometry in client pixels of the editor window. The cell of PartList
// index i has its left edge at (i mod 5) * 82 + 180 and spans 80 x 100
// pixels from y 55 (right and bottom edges exclusive). Palette clicks are
// tested against the same cells. That is at 96 dpi; at another dpi the
// cells and the marks are placed as display_scale.h scales them, and each
// thumbnail is enlarged by the picture scale within its cell.
const int PALETTE_LEFT = 180;
const int CELL_PITCH = 82;
const int CELL_TOP = 55;
const int CELL_WIDTH = CANVAS_WIDTH;
const int CELL_HEIGHT = CANVAS_HEIGHT;
const int MARK_TOP = 36;
const int CROSS_MARK_OFFSET = 25;  // "x": the entry is used by a piece
const int TICK_MARK_OFFSET = 35;   // "v": the entry is the part being edited

// The face drawn under every hair thumbnail, directly in baseDir.
const char HAIR_THUMBNAIL_FACE[] = "kao-1-001.bmp";

int PaletteCellLeft(int index);

// The cell of PartList index on the window at dpi.
RECT PaletteCellRect(int index, int dpi = BASE_DPI);

// The rectangle that holds all five cells (right and bottom exclusive).
RECT PaletteCellsBounds(int dpi = BASE_DPI);

// The palette frame and the editor's client area that hold every cell with
// the margin the frame leaves before and above the first cell: frame and
// client grown to the right and down as far as that needs (the client
// keeping its margin beyond the frame), or as they are when they hold the
// cells already.
struct PaletteFit {
  RECT frame;
  SIZE client;
};
PaletteFit FitPalette(const RECT &frame, SIZE client, int dpi = BASE_DPI);

// The PartList index whose cell on show holds the client point strictly
// inside it (a click on a cell's first column or row does not count), or -1.
int PaletteIndexAt(int x, int y, int dpi = BASE_DPI);

// The PartList indices on show: from *first up to *last - 1 (none when
// *first >= *last).
void VisiblePartRange(int *first, int *last);

enum ThumbnailKind { THUMB_SINGLE, THUMB_PAIR, THUMB_COMPOSITE };

// Where a thumbnail of width x height pixels is drawn in the cell whose left
// edge is left: a single at (x, y); a pair at (x, y) and mirrored, reaching
// leftward from x2; the hair composite at (x, y). path is the PartList entry
// (for the kind of an "other" piece).
struct ThumbnailPlacement {
  ThumbnailKind kind;
  int x;
  int x2;
  int y;
};
ThumbnailPlacement PlaceThumbnail(int category, const char *path, int left, int width, int height);

// Which marks stand above the cell of PartList index: a cross for every
// piece taken from it ("other" only), a tick for the part being edited.
struct PaletteMarks {
  bool cross;
  bool tick;
};
PaletteMarks MarksForEntry(int index);

// Paints the cells on show on dc (the editor's paint context; window's
// client area bounds the drawing), leaving dc's modes as they were. Files
// that cannot be loaded leave their cell white. Returns the first failure,
// for the caller to show. With spillLimit, a thumbnail larger than its cell
// spills over the cell's edges no further than that rectangle (the inside
// of the palette's frame), so that it never shows beside the canvas; the
// marks above the cells are not limited. At dpi, laid out as above.
Failure DrawPartPalette(HWND window, HDC dc, const RECT *spillLimit = nullptr, int dpi = BASE_DPI);
