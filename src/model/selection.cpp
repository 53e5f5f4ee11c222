#include "model/selection.h"

#include <cstring>

#include "app/editor.h"
#include "model/catalogue.h"
#include "render/dib24.h"
#include "render/memory_dc.h"
#include "render/paint_failure.h"
#include "render/palette.h"
#include "render/part_file.h"
#include "res/texts.h"

int PaletteIndexAt(int x, int y) {
  int first, last;
  VisiblePartRange(&first, &last);
  for (int i = first; i < last; ++i) {
    int left = PaletteCellLeft(i);
    if (left < x && x < left + CELL_WIDTH && CELL_TOP < y && y < CELL_TOP + CELL_HEIGHT) return i;
  }
  return -1;
}

PieceKind OtherPieceKind(const char *path) {
  std::size_t length = strnlen(path, 12);
  char first = length > 10 ? path[10] : '\0';
  char second = length > 11 ? path[11] : '\0';
  if (first != '0') return PIECE_SINGLE;
  return second == '0' ? PIECE_PAIR_HIGH : PIECE_PAIR_LOW;
}

Placement DefaultPlacement(int category, int width, int height) {
  int pairX = (40 - width) / 2 + 8;
  int centreX = (80 - width) / 2;
  int middle = (100 - height) / 2;
  switch (category) {
    case CAT_FACE:
    case CAT_HAIR:
      return {MODE_SINGLE, 0, 0};
    case CAT_EYES:
      return {MODE_PAIR, pairX, middle - 5};
    case CAT_EYEBROWS:
      return {MODE_PAIR, pairX, middle - 15};
    case CAT_NOSE:
      return {MODE_SINGLE, centreX, middle + 8};
    case CAT_MOUTH:
      return {MODE_SINGLE, centreX, middle + 22};
    case CAT_EARS:
      return {MODE_PAIR, 5, 40};
    case CAT_MOUSTACHE:
      return {MODE_SINGLE, centreX, middle + 15};
    case CAT_BEARD:
      return {MODE_SINGLE, centreX, middle + 30};
    case CAT_GLASSES:
      return {MODE_SINGLE, centreX, middle - 5};
    default:  // the disabled category
      return {MODE_SINGLE, centreX, middle};
  }
}

Placement PiecePlacement(PieceKind kind, int width, int height) {
  int middle = (100 - height) / 2;
  switch (kind) {
    case PIECE_PAIR_HIGH:
      return {MODE_PAIR, (40 - width) / 2 + 8, middle - 5};
    case PIECE_PAIR_LOW:
      return {MODE_PAIR, (40 - width) / 2 + 8, middle + 10};
    default:
      return {MODE_SINGLE, (80 - width) / 2, middle + 15};
  }
}

bool IsNewPiece(const char *path, int n) {
  std::size_t length = std::strlen(path);
  // No stored path (at most PART_PATH_SIZE - 1 bytes) can begin with a longer one.
  if (length >= PART_PATH_SIZE) return true;
  for (int j = 0; j < n && j < PIECE_SLOTS; ++j)
    if (std::strncmp(PieceTable[j].path, path, length) == 0) return false;
  return true;
}

// Clears a slot's path to zeros and copies into it the text held in a
// buffer of textSize bytes, cut to fit.
static void SetSlotPath(PartSlot &slot, const char *text, std::size_t textSize) {
  std::memset(slot.path, 0, sizeof slot.path);
  std::size_t length = strnlen(text, textSize);
  if (length > sizeof slot.path - 1) length = sizeof slot.path - 1;
  std::memcpy(slot.path, text, length);
}

static int PlaceNewPiece(const PartSlot &chosen, int index, int width, int height) {
  for (int s = 0; s < PIECE_SLOTS; ++s) {
    PartSlot &piece = PieceTable[s];
    if (piece.mode != MODE_OFF || !IsNewPiece(chosen.path, s)) continue;
    Placement at = PiecePlacement(OtherPieceKind(chosen.path), width, height);
    piece.mode = at.mode;
    piece.x = at.x;
    piece.y = at.y;
    SetSlotPath(piece, chosen.path, sizeof chosen.path);
    piece.width = width;
    piece.height = height;
    piece.angle = 0;
    piece.listIndex = index;
    return s;
  }
  return -1;
}

// The back hair takes the hair's file name with kao-b- turned into kao-0-;
// a hair file named otherwise leaves the back hair's path as it was.
static void SwitchOnBackHair(const PartSlot &hair) {
  PartSlot &backHair = LayerTable[CAT_BACK_HAIR];
  backHair.mode = MODE_SINGLE;
  char name[DIR_PATH_SIZE] = {0};
  std::memcpy(name, hair.path, strnlen(hair.path, sizeof name - 1));
  if (ReplaceSubstring(name, "kao-b-", "kao-0-")) SetSlotPath(backHair, name, sizeof name);
}

int PlaceChosenPart(int index, int width, int height) {
  int category = currentCategory;
  if (category < 0 || category >= LAYER_SLOTS || index < 0 || index >= PART_LIST_SIZE) return -1;
  PartSlot &slot = LayerTable[category];
  slot.mode = MODE_SINGLE;
  slot.angle = 0;
  SetSlotPath(slot, PartList[index], sizeof PartList[index]);
  slot.width = width;
  slot.height = height;
  slot.listIndex = index;
  if (category == CAT_HAIR) {
    LayerTable[CAT_BACK_HAIR].width = width;
    LayerTable[CAT_BACK_HAIR].height = height;
  }
  slot.blue = slot.green = slot.red = 0;

  if (category < CAT_FACE || category > CAT_GLASSES) return -1;
  if (category == CAT_OTHER) {
    slot.mode = MODE_OFF;
    return PlaceNewPiece(slot, index, width, height);
  }
  Placement at = DefaultPlacement(category, width, height);
  slot.mode = at.mode;
  slot.x = at.x;
  slot.y = at.y;
  if (category == CAT_FACE) {
    slot.blue = 128;
    slot.green = 255;
    slot.red = 255;
  }
  if (category == CAT_HAIR) SwitchOnBackHair(slot);
  return -1;
}

void SelectPartAt(HWND window, WPARAM, LPARAM lParam) {
  int index = PaletteIndexAt(LOWORD(lParam), HIWORD(lParam));
  if (index >= 0) {
    // A file that cannot be loaded is chosen all the same, as 0 x 0 pixels:
    // the compositor draws nothing for it.
    int width = 0, height = 0;
    HBITMAP bitmap = LoadPartBitmap(PartList[index], &width, &height);
    if (bitmap) DeleteObject(bitmap);
    int piece = PlaceChosenPart(index, width, height);
    if (piece >= 0) PickDefaultColour(window, piece);
  }
  RepaintEditor(window);
}

int FindFirstColour(const unsigned char *pixels, int paddedWidth, int width, int height,
                    int *blue, int *green, int *red) {
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      const unsigned char *p = pixels + (static_cast<std::size_t>(row) * paddedWidth + column) * 3;
      bool white = p[0] == 255 && p[1] == 255 && p[2] == 255;
      bool black = p[0] == 0 && p[1] == 0 && p[2] == 0;
      if (white || black) continue;
      *blue = p[0];
      *green = p[1];
      *red = p[2];
      return 1;
    }
  }
  return 0;
}

// Copies the part in source into the 24-bit work image and scans it.
static void ScanForColour(HWND window, const PartSource &source, PartSlot &piece) {
  HBITMAP work;
  void *pixels;
  int paddedWidth = PaddedWidth(source.width);
  CreateDib24(window, &work, &pixels, paddedWidth, source.height);
  if (!work) return;
  HDC windowDC = GetDC(window);
  HDC workDC = CreateCompatibleDC(windowDC);
  if (!workDC) {
    ShowPaintFailure(window, TEXT_FAILED, CAPTION_CREATE_DC);
  } else {
    HGDIOBJ previous = SelectObject(workDC, work);
    if (StretchBlt(workDC, 0, 0, source.width, source.height, source.dc, 0, 0, source.width,
                   source.height, SRCCOPY)) {
      GdiFlush();
      piece.blue = piece.green = piece.red = 0;
      FindFirstColour(static_cast<unsigned char *>(pixels), paddedWidth, source.width,
                      source.height, &piece.blue, &piece.green, &piece.red);
    }
    SelectObject(workDC, previous);
    DeleteMemoryDC(workDC);
  }
  DeleteObject(work);
  ReleaseDC(window, windowDC);
}

void PickDefaultColour(HWND window, int s) {
  if (s < 0 || s >= PIECE_SLOTS) return;
  PartSource source;
  if (!OpenPartSource(window, PieceTable[s].path, source)) return;
  ScanForColour(window, source, PieceTable[s]);
  ClosePartSource(source);
}
