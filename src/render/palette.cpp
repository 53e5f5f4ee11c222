#include "palette.h"

#include <algorithm>
#include <cstring>

#include "catalogue.h"
#include "paint_clock.h"
#include "part_file.h"
#include "placement.h"
#include "portrait.h"

int PaletteCellLeft(int index) { return index % PALETTE_CELLS * CELL_PITCH + PALETTE_LEFT; }

void VisiblePartRange(int *first, int *last) {
  *first = firstVisible < 0 ? 0 : firstVisible;
  *last = firstVisible + PALETTE_CELLS;
  if (*last > partCount) *last = partCount;
  if (*last > PART_LIST_SIZE) *last = PART_LIST_SIZE;
}

RECT PaletteCellsBounds() {
  return {PALETTE_LEFT, CELL_TOP, PaletteCellLeft(PALETTE_CELLS - 1) + CELL_WIDTH, CELL_TOP + CELL_HEIGHT};
}

PaletteFit FitPalette(const RECT &frame, SIZE client) {
  RECT cells = PaletteCellsBounds();
  LONG right = std::max(frame.right, cells.right + std::max(cells.left - frame.left, 0L));
  LONG bottom = std::max(frame.bottom, cells.bottom + std::max(cells.top - frame.top, 0L));
  PaletteFit fit = {{frame.left, frame.top, right, bottom},
                    {client.cx + (right - frame.right), client.cy + (bottom - frame.bottom)}};
  return fit;
}

int PaletteIndexAt(int x, int y) {
  int first, last;
  VisiblePartRange(&first, &last);
  for (int i = first; i < last; ++i) {
    int left = PaletteCellLeft(i);
    if (left < x && x < left + CELL_WIDTH && CELL_TOP < y && y < CELL_TOP + CELL_HEIGHT) return i;
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

void FillCellWhite(HDC dc, int left) {
  RECT cell = {left, CELL_TOP, left + CELL_WIDTH, CELL_TOP + CELL_HEIGHT};
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

// The rows of an image of the given height drawn with its top at y that can
// show. Two rows more either side, for the halftone stretch of a pair.
RowSpan RowsShown(HWND window, HDC dc, int y, int height) {
  RECT shown;
  if (!ShownBox(window, dc, &shown)) return {0, 0};
  return {std::max<int>(shown.top - y - 2, 0), std::min<int>(shown.bottom - y + 2, height)};
}

// Whether anything drawn within r can show on dc: a paint of a small region
// reads no file whose thumbnail lies outside it.
bool CanShow(HWND window, HDC dc, const RECT &r) {
  RECT shown;
  return ShownBox(window, dc, &shown) && IntersectRect(&shown, &shown, &r);
}

// Draws the part file at path in the cell whose left edge is left, at its
// own size where category's rule places it (PlaceThumbnail): a pair a
// second time mirrored, with the platform's halftone stretch, after which
// dc's stretching mode is put back. The one drawing of a file in a cell.
void DrawFileInCell(HWND window, HDC dc, const char *path, int category, int left, Failure *failure) {
  PartFile file;
  if (!OpenPartFile(path, &file)) return;
  int width = file.layout.width, height = file.layout.height;
  ThumbnailPlacement at = PlaceThumbnail(category, path, left, width, height);
  RECT drawn = {at.x, at.y, at.x + width, at.y + height};
  if (at.kind == THUMB_PAIR) {
    RECT mirrored = {at.x2 - width, at.y, at.x2 + 1, at.y + height};  // either way a mirror rounds
    UnionRect(&drawn, &drawn, &mirrored);
  }
  PartSource source;
  if (CanShow(window, dc, drawn) &&
      OpenPartSource(&file, RowsShown(window, dc, at.y, height), source, failure)) {
    {
      StageScope stage(STAGE_STRETCH);
      if (at.kind == THUMB_PAIR) {
        int mode = SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, at.x, at.y, width, height, source.dc, 0, 0, width, height, SRCCOPY);
        StretchBlt(dc, at.x2, at.y, -width, height, source.dc, 0, 0, width, height, SRCCOPY);
        if (mode) SetStretchBltMode(dc, mode);
      } else {
        BitBlt(dc, at.x, at.y, width, height, source.dc, 0, 0, SRCCOPY);
      }
      GdiFlush();
    }
    ClosePartSource(source);
  }
  ClosePartFile(&file);
}

// The back hair, the palette's face and the hair, one over the other; the
// first two only when the hair's name leads to a back-hair name.
void DrawHairComposite(HWND window, HDC dc, const char *hairPath, int left, Failure *failure) {
  char backHair[DIR_PATH_SIZE];
  if (BackHairPath(hairPath, backHair)) {
    DrawFileInCell(window, dc, backHair, CAT_HAIR, left, failure);
    DrawFileInCell(window, dc, HAIR_THUMBNAIL_FACE, CAT_HAIR, left, failure);
  }
  DrawFileInCell(window, dc, hairPath, CAT_HAIR, left, failure);
}

void DrawMarks(HDC dc, int index, int left) {
  PaletteMarks marks = MarksForEntry(index);
  if (marks.cross) TextOutA(dc, left + CROSS_MARK_OFFSET, MARK_TOP, "x", 1);
  if (marks.tick) TextOutA(dc, left + TICK_MARK_OFFSET, MARK_TOP, "v", 1);
}

}  // namespace

Failure DrawPartPalette(HWND window, HDC dc, const RECT *spillLimit) {
  Failure failure = {};
  int first, last;
  VisiblePartRange(&first, &last);
  for (int i = first; i < last; ++i) {
    int left = PaletteCellLeft(i);
    FillCellWhite(dc, left);
    int saved = spillLimit ? SaveDC(dc) : 0;
    if (saved) IntersectClipRect(dc, spillLimit->left, spillLimit->top, spillLimit->right, spillLimit->bottom);
    if (currentCategory == CAT_HAIR)
      DrawHairComposite(window, dc, PartList[i], left, &failure);
    else
      DrawFileInCell(window, dc, PartList[i], currentCategory, left, &failure);
    if (saved) RestoreDC(dc, saved);
    DrawMarks(dc, i, left);
  }
  return failure;
}
