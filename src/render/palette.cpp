#include "palette.h"

#include <algorithm>
#include <cstring>

#include "catalogue.h"
#include "paint_clock.h"
#include "part_file.h"
#include "placement.h"
#include "portrait.h"

int PaletteCellLeft(int index) { return index % PALETTE_CELLS * CELL_PITCH + PALETTE_LEFT; }

namespace {

// The cell of index at 96 dpi.
RECT BaseCell(int index) {
  int left = PaletteCellLeft(index);
  return {left, CELL_TOP, left + CELL_WIDTH, CELL_TOP + CELL_HEIGHT};
}

}  // namespace

void VisiblePartRange(int *first, int *last) {
  *first = firstVisible < 0 ? 0 : firstVisible;
  *last = firstVisible + PALETTE_CELLS;
  if (*last > partCount) *last = partCount;
  if (*last > PART_LIST_SIZE) *last = PART_LIST_SIZE;
}

RECT PaletteCellRect(int index, int dpi) { return ScaledRect(UsableDpi(dpi), BaseCell(index)); }

RECT PaletteCellsBounds(int dpi) {
  RECT first = PaletteCellRect(0, dpi), last = PaletteCellRect(PALETTE_CELLS - 1, dpi);
  return {first.left, first.top, last.right, last.bottom};
}

PaletteFit FitPalette(const RECT &frame, SIZE client, int dpi) {
  RECT cells = PaletteCellsBounds(dpi);
  LONG right = std::max(frame.right, cells.right + std::max(cells.left - frame.left, 0L));
  LONG bottom = std::max(frame.bottom, cells.bottom + std::max(cells.top - frame.top, 0L));
  PaletteFit fit = {{frame.left, frame.top, right, bottom},
                    {client.cx + (right - frame.right), client.cy + (bottom - frame.bottom)}};
  return fit;
}

int PaletteIndexAt(int x, int y, int dpi) {
  int first, last;
  VisiblePartRange(&first, &last);
  for (int i = first; i < last; ++i) {
    RECT cell = PaletteCellRect(i, dpi);
    if (cell.left < x && x < cell.right && cell.top < y && y < cell.bottom) return i;
  }
  return -1;
}

ThumbnailPlacement PlaceThumbnail(int category, const char *path, int left, int width, int height) {
  int single = left + (80 - width) / 2;
  int pair = left + (40 - width) / 2;
  int pairMirror = left + 80 - (40 - width) / 2;
  int middle = CELL_TOP + (100 - height) / 2;
  switch (category) {
    case CAT_OTHER:
      switch (OtherPieceKind(path)) {
        case PIECE_PAIR_HIGH:
          return {THUMB_PAIR, pair, pairMirror, middle - 5};
        case PIECE_PAIR_LOW:
          return {THUMB_PAIR, pair, pairMirror, middle + 10};
        default:
          return {THUMB_SINGLE, single, 0, middle + 15};
      }
    case CAT_EYES:
      return {THUMB_PAIR, pair, pairMirror, middle - 5};
    case CAT_EYEBROWS:
      return {THUMB_PAIR, pair, pairMirror, middle - 20};
    case CAT_MOUTH:
      return {THUMB_SINGLE, single, 0, middle + 20};
    case CAT_EARS:
      return {THUMB_PAIR, left + 5, left + 74, CELL_TOP + (80 - height) / 2};
    case CAT_MOUSTACHE:
      return {THUMB_SINGLE, single, 0, middle + 10};
    case CAT_BEARD:
      return {THUMB_SINGLE, single, 0, middle + 30};
    case CAT_HAIR:
      return {THUMB_COMPOSITE, left, 0, CELL_TOP};
    case CAT_GLASSES:
      return {THUMB_SINGLE, single, 0, middle - 10};
    default:  // the face, the nose, the disabled category
      return {THUMB_SINGLE, single, 0, middle};
  }
}

PaletteMarks MarksForEntry(int index) {
  PaletteMarks marks = {false, false};
  if (currentCategory == CAT_OTHER) {
    for (int p = 0; p < PIECE_SLOTS; ++p) {
      if (PieceTable[p].mode == MODE_OFF || PieceTable[p].listIndex != index) continue;
      marks.cross = true;
      if (p == currentPiece) marks.tick = true;
    }
  } else if (currentCategory >= 0 && currentCategory < LAYER_SLOTS) {
    const PartSlot &slot = LayerTable[currentCategory];
    marks.tick = slot.mode != MODE_OFF && slot.listIndex == index;
  }
  return marks;
}

namespace {

// A cell on the window: its rectangle, and where and how much its
// thumbnail's pixels, placed in 96-dpi pixels from (left, CELL_TOP), go.
struct CellView {
  int left;     // the cell's left edge at 96 dpi
  RECT shown;   // the cell on the window
  POINT origin;  // the window pixel of (left, CELL_TOP)
  int scale;    // the thumbnail's pixels are scale x scale blocks
  int dpi;
};

CellView ViewOfCell(int index, int dpi) {
  dpi = UsableDpi(dpi);
  int scale = PictureScale(dpi);
  return {PaletteCellLeft(index), PaletteCellRect(index, dpi), PictureOrigin(dpi, BaseCell(index), scale), scale, dpi};
}

// The window pixel of a 96-dpi point of the cell.
POINT CellPoint(const CellView &cell, int x, int y) {
  return {cell.origin.x + cell.scale * (x - cell.left), cell.origin.y + cell.scale * (y - CELL_TOP)};
}

void FillCellWhite(HDC dc, const RECT &cell) {
  HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
  FillRect(dc, &cell, white);
  DeleteObject(white);
}

// What drawing on dc can change: the clipping box of dc within the client
// area of window. False when nothing.
bool ShownBox(HWND window, HDC dc, RECT *shown) {
  RECT client, clip;
  GetClientRect(window, &client);
  return GetClipBox(dc, &clip) != ERROR && IntersectRect(shown, &client, &clip);
}

// The rows of an image of the given height drawn with its top at y, each
// row scale pixels high, that can show. Two rows more either side, for the
// halftone stretch of a pair.
RowSpan RowsShown(HWND window, HDC dc, int y, int height, int scale) {
  RECT shown;
  if (!ShownBox(window, dc, &shown)) return {0, 0};
  return {std::max<int>((shown.top - y) / scale - 2, 0),
          std::min<int>((shown.bottom - y + scale - 1) / scale + 2, height)};
}

// Whether anything drawn within r can show on dc: a paint of a small region
// reads no file whose thumbnail lies outside it.
bool CanShow(HWND window, HDC dc, const RECT &r) {
  RECT shown;
  return ShownBox(window, dc, &shown) && IntersectRect(&shown, &shown, &r);
}

// Draws the part file at path in the cell, at its own size where
// category's rule places it (PlaceThumbnail): a pair a second time
// mirrored, with the platform's halftone stretch, after which dc's
// stretching mode is put back. Enlarged, every pixel is copied as a block
// (no smoothing). The one drawing of a file in a cell.
void DrawFileInCell(HWND window, HDC dc, const char *path, int category, const CellView &cell, Failure *failure) {
  PartFile file;
  if (!OpenPartFile(path, &file)) return;
  int width = file.layout.width, height = file.layout.height;
  ThumbnailPlacement place = PlaceThumbnail(category, path, cell.left, width, height);
  POINT at = CellPoint(cell, place.x, place.y), at2 = CellPoint(cell, place.x2, place.y);
  int shownWidth = cell.scale * width, shownHeight = cell.scale * height;
  RECT drawn = {at.x, at.y, at.x + shownWidth, at.y + shownHeight};
  if (place.kind == THUMB_PAIR) {
    RECT mirrored = {at2.x - shownWidth, at.y, at2.x + 1, at.y + shownHeight};  // either way a mirror rounds
    UnionRect(&drawn, &drawn, &mirrored);
  }
  PartSource source;
  if (CanShow(window, dc, drawn) &&
      OpenPartSource(&file, RowsShown(window, dc, at.y, height, cell.scale), source, failure)) {
    {
      StageScope stage(STAGE_STRETCH);
      if (place.kind == THUMB_PAIR) {
        int mode = SetStretchBltMode(dc, cell.scale == 1 ? HALFTONE : COLORONCOLOR);
        StretchBlt(dc, at.x, at.y, shownWidth, shownHeight, source.dc, 0, 0, width, height, SRCCOPY);
        StretchBlt(dc, at2.x, at.y, -shownWidth, shownHeight, source.dc, 0, 0, width, height, SRCCOPY);
        if (mode) SetStretchBltMode(dc, mode);
      } else if (cell.scale == 1) {
        BitBlt(dc, at.x, at.y, width, height, source.dc, 0, 0, SRCCOPY);
      } else {
        int mode = SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, at.x, at.y, shownWidth, shownHeight, source.dc, 0, 0, width, height, SRCCOPY);
        if (mode) SetStretchBltMode(dc, mode);
      }
      GdiFlush();
    }
    ClosePartSource(source);
  }
  ClosePartFile(&file);
}

// The back hair, the palette's face and the hair, one over the other; the
// first two only when the hair's name leads to a back-hair name.
void DrawHairComposite(HWND window, HDC dc, const char *hairPath, const CellView &cell, Failure *failure) {
  char backHair[DIR_PATH_SIZE];
  if (BackHairPath(hairPath, backHair)) {
    DrawFileInCell(window, dc, backHair, CAT_HAIR, cell, failure);
    DrawFileInCell(window, dc, HAIR_THUMBNAIL_FACE, CAT_HAIR, cell, failure);
  }
  DrawFileInCell(window, dc, hairPath, CAT_HAIR, cell, failure);
}

void DrawMarks(HDC dc, int index, const CellView &cell) {
  PaletteMarks marks = MarksForEntry(index);
  POINT cross = ScaledPoint(cell.dpi, {cell.left + CROSS_MARK_OFFSET, MARK_TOP});
  POINT tick = ScaledPoint(cell.dpi, {cell.left + TICK_MARK_OFFSET, MARK_TOP});
  if (marks.cross) TextOutA(dc, cross.x, cross.y, "x", 1);
  if (marks.tick) TextOutA(dc, tick.x, tick.y, "v", 1);
}

}  // namespace

Failure DrawPartPalette(HWND window, HDC dc, const RECT *spillLimit, int dpi) {
  Failure failure = {};
  int first, last;
  VisiblePartRange(&first, &last);
  for (int i = first; i < last; ++i) {
    CellView cell = ViewOfCell(i, dpi);
    FillCellWhite(dc, cell.shown);
    int saved = spillLimit ? SaveDC(dc) : 0;
    if (saved) IntersectClipRect(dc, spillLimit->left, spillLimit->top, spillLimit->right, spillLimit->bottom);
    if (currentCategory == CAT_HAIR)
      DrawHairComposite(window, dc, PartList[i], cell, &failure);
    else
      DrawFileInCell(window, dc, PartList[i], currentCategory, cell, &failure);
    if (saved) RestoreDC(dc, saved);
    DrawMarks(dc, i, cell);
  }
  return failure;
}
