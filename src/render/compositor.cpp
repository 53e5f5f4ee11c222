#include "compositor.h"

#include <algorithm>
#include <vector>

#include "dib24.h"
#include "memory_dc.h"
#include "paint_clock.h"
#include "paint_failure.h"
#include "parallelogram.h"
#include "part_file.h"
#include "portrait.h"
#include "rotation.h"
#include "texts.h"

namespace {

void FillCanvas(HDC dc, COLORREF colour) {
  if (canvasWidth <= 0 || canvasHeight <= 0) return;
  RECT canvas = {canvasX, canvasY, canvasX + canvasWidth, canvasY + canvasHeight};
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &canvas, brush);
  DeleteObject(brush);
}

bool WithinReach(long long coordinate) {
  return coordinate >= -TRANSFER_MAX_COORDINATE && coordinate <= TRANSFER_MAX_COORDINATE;
}

bool ImageFits(const PartSlot &part) {
  return static_cast<long long>(PaddedWidth(part.width)) * 3 * part.height <= DIB24_MAX_BYTES;
}

// One copy of a part on the window: where its corners land and the block of
// the part's stretched image that the window can show.
struct Copy {
  POINT corners[3];
  RECT area;
  bool mirrored;
};

// The copy, mirrored (and turned the other way) for the right copy of a
// pair. False when none of it can show.
bool PlaceCopy(HWND window, HDC dc, const PartSlot &part, bool mirrored, Copy *copy) {
  if (!PartCopyCorners(part, mirrored, copy->corners)) return false;
  copy->mirrored = mirrored;
  return SampledArea(copy->corners, part.width, part.height, TransferBox(window, dc, copy->corners),
                     &copy->area);
}

// The rows of a file of fileHeight rows that stretching it to the part's
// height reads for the rows of area: a reduction combines up to
// fileHeight / height + 1 rows into one, so that many more either side.
RowSpan FileRowsFor(const RECT &area, int height, int fileHeight) {
  long long margin = fileHeight / height + 2;
  return {static_cast<int>(std::max(0LL, 1LL * area.top * fileHeight / height - margin)),
          static_cast<int>(std::min<long long>(fileHeight, 1LL * area.bottom * fileHeight / height + margin))};
}

void ReleaseBlock(HBITMAP bitmap, HDC imageDC, HGDIOBJ previous) {
  PaintStage stage = EnterStage(STAGE_IMAGES);
  SelectObject(imageDC, previous);
  DeleteMemoryDC(imageDC);
  DeleteObject(bitmap);
  LeaveStage(stage);
}

// The block area of the part's image, mirrored for the right copy of a
// pair, stretched from the part file in loader (fileWidth x fileHeight)
// into a new image of whole words a row (one block of pixels), selected
// into *imageDC, a context compatible with like. The caller releases both
// with ReleaseBlock. Returns null, with nothing made, on failure (shown).
HBITMAP StretchBlock(HWND window, HDC like, HDC loader, int fileWidth, int fileHeight,
                     const PartSlot &part, const RECT &area, bool mirrored, Pixels24 *image,
                     HDC *imageDC, HGDIOBJ *previous) {
  int rows = area.bottom - area.top;
  int columns = (area.right - area.left + 3) / 4 * 4;
  HBITMAP bitmap = CreateDib24(window, columns, rows, image);
  if (!bitmap) return nullptr;
  PaintStage stage = EnterStage(STAGE_IMAGES);
  *imageDC = CreateCompatibleDC(like);
  if (!*imageDC) {
    DeleteObject(bitmap);
    LeaveStage(stage);
    ShowPaintFailure(window, TEXT_FAILED, CAPTION_CREATE_DC);
    return nullptr;
  }
  *previous = SelectObject(*imageDC, bitmap);
  EnterStage(STAGE_STRETCH);
  // The block's corner is the image's (area.left, area.top). The context
  // keeps its default stretching mode, which ANDs the pixels that a
  // reduction combines, so that dark lines survive.
  int x = mirrored ? part.width - 1 - area.left : -area.left;
  bool stretched = StretchBlt(*imageDC, x, -area.top, mirrored ? -part.width : part.width, part.height,
                              loader, 0, 0, fileWidth, fileHeight, SRCCOPY);
  GdiFlush();
  LeaveStage(stage);
  if (stretched) return bitmap;
  ReleaseBlock(bitmap, *imageDC, *previous);
  return nullptr;
}


// Draws a copy from its block of the part's image (columns a row, a
// multiple of 4, bottom row first): masked where pure white, recoloured and
// mapped onto the turned rectangle.
void DrawBlock(HWND window, HDC dc, const Pixels24 *framePixels, const PartSlot &part, int layer,
               const Copy &copy, unsigned char *bits, int columns) {
  const RECT &area = copy.area;
  int rows = area.bottom - area.top;
  PaintStage stage = EnterStage(STAGE_MASK);
  std::vector<unsigned char> mask = MaskOpaquePixels(bits, columns, rows);
  RecolourPixels(bits, static_cast<std::size_t>(columns) * 3 * rows, part.blue, part.green, part.red, layer);
  TransferSource source = {bits, mask.data(), columns, part.width, part.height, area.left, area.top, rows};
  EnterStage(STAGE_TRANSFER);
  TransferParallelogram(window, dc, copy.corners, source, framePixels);
  LeaveStage(stage);
}

// Draws a copy from the part file in loader, its block stretched to the
// part's size.
void DrawCopy(HWND window, HDC dc, const Pixels24 *framePixels, HDC loader, int fileWidth,
              int fileHeight, const PartSlot &part, int layer, const Copy &copy) {
  Pixels24 image;
  HDC imageDC;
  HGDIOBJ previous;
  HBITMAP bitmap = StretchBlock(window, dc, loader, fileWidth, fileHeight, part, copy.area, copy.mirrored,
                                &image, &imageDC, &previous);
  if (!bitmap) return;
  DrawBlock(window, dc, framePixels, part, layer, copy, image.bits, image.width);
  ReleaseBlock(bitmap, imageDC, previous);
}

// Draws a copy of a part drawn at its file's own size, whose image is the
// file itself (mirrored for the right copy): its block is copied from the
// file's rows, with no stretch and no image of the platform's.
void DrawUnstretchedCopy(HWND window, HDC dc, const Pixels24 *framePixels, const Pixels24 &file,
                         const PartSlot &part, int layer, const Copy &copy) {
  const RECT &area = copy.area;
  int rows = area.bottom - area.top, width = area.right - area.left;
  int columns = (width + 3) / 4 * 4;
  PaintStage stage = EnterStage(STAGE_STRETCH);
  std::vector<unsigned char> block(static_cast<std::size_t>(columns) * 3 * rows);
  for (int r = 0; r < rows; ++r) {
    unsigned char *to = block.data() + static_cast<std::size_t>(rows - 1 - r) * columns * 3;
    const unsigned char *row = PixelAddress(file, 0, area.top + r);
    for (int c = 0; c < width; ++c) {
      int column = area.left + c;
      const unsigned char *from = row + 3 * (copy.mirrored ? part.width - 1 - column : column);
      to[3 * c] = from[0], to[3 * c + 1] = from[1], to[3 * c + 2] = from[2];
    }
  }
  LeaveStage(stage);
  DrawBlock(window, dc, framePixels, part, layer, copy, block.data(), columns);
}

// Reads the rows of an open part file that the blocks of copies need.
HBITMAP ReadRowsFor(HWND window, PartFile *file, const PartSlot &part, const Copy *copies, int count,
                    Pixels24 *pixels) {
  int fileHeight = file->layout.height;
  RowSpan rows = {fileHeight, 0};
  for (int i = 0; i < count; ++i) {
    RowSpan needed = FileRowsFor(copies[i].area, part.height, fileHeight);
    rows = {std::min(rows.first, needed.first), std::max(rows.last, needed.last)};
  }
  return count ? ReadPartImage(window, file, rows, pixels) : nullptr;
}

void DrawPart(HWND window, HDC dc, const Pixels24 *framePixels, HDC loader, const PartSlot &part,
              int layer) {
  if (part.mode != MODE_SINGLE && part.mode != MODE_PAIR) return;
  // No pixels to draw, or more than any window shows.
  if (part.width <= 0 || part.height <= 0) return;
  if (part.width > TRANSFER_MAX_SIDE || part.height > TRANSFER_MAX_SIDE) return;

  // A part image too large to make whole is refused as it always was, even
  // though only the blocks the window shows are made.
  PartFile file;
  if (!ImageFits(part)) {
    if (!OpenPartFile(part.path, &file)) return;
    ShowPaintFailure(window, TEXT_NO_DIB, CAPTION_DEBUG);
    ClosePartFile(&file);
    return;
  }
  // A part none of which can show is not even opened.
  Copy copies[2];
  int count = 0;
  if (PlaceCopy(window, dc, part, false, &copies[count])) ++count;
  if (part.mode == MODE_PAIR && PlaceCopy(window, dc, part, true, &copies[count])) ++count;
  if (!count || !OpenPartFile(part.path, &file)) return;
  // Only the rows of the file that the copies on show need are read.
  if (part.width == file.layout.width && part.height == file.layout.height) {
    std::vector<unsigned char> storage;
    Pixels24 pixels;
    RowSpan rows = {static_cast<int>(copies[0].area.top), static_cast<int>(copies[0].area.bottom)};
    if (count == 2)
      rows = {std::min<int>(rows.first, copies[1].area.top), std::max<int>(rows.last, copies[1].area.bottom)};
    bool read = ReadPartRows(&file, rows, storage, &pixels);
    ClosePartFile(&file);
    for (int i = 0; read && i < count; ++i)
      DrawUnstretchedCopy(window, dc, framePixels, pixels, part, layer, copies[i]);
    return;
  }
  Pixels24 pixels;
  HBITMAP loaded = ReadRowsFor(window, &file, part, copies, count, &pixels);
  ClosePartFile(&file);
  if (!loaded) return;
  HGDIOBJ previous = SelectObject(loader, loaded);
  for (int i = 0; i < count; ++i)
    DrawCopy(window, dc, framePixels, loader, pixels.width, pixels.height, part, layer, copies[i]);
  PaintStage stage = EnterStage(STAGE_IMAGES);
  SelectObject(loader, previous);
  DeleteObject(loaded);
  LeaveStage(stage);
}

}  // namespace

bool PartCopyCorners(const PartSlot &part, bool mirrored, POINT corners[3]) {
  if (part.mode != MODE_SINGLE && part.mode != MODE_PAIR) return false;
  if (mirrored && part.mode != MODE_PAIR) return false;
  if (part.width <= 0 || part.height <= 0) return false;
  if (part.width > TRANSFER_MAX_SIDE || part.height > TRANSFER_MAX_SIDE || !ImageFits(part)) return false;
  // The right copy's unturned rectangle is the left copy's reflected about
  // the canvas's centre line.
  long long left = mirrored ? static_cast<long long>(canvasX) + canvasWidth - part.x - part.width
                            : static_cast<long long>(canvasX) + part.x;
  long long top = static_cast<long long>(canvasY) + part.y;
  if (!WithinReach(left) || !WithinReach(top)) return false;
  ComputeRotatedCorners(static_cast<int>(left), static_cast<int>(top), part.width, part.height,
                        part.angle, corners, mirrored ? 1 : 0);
  return true;
}

bool PartPixelOpaque(HWND window, const PartSlot &part, bool mirrored, POINT pixel) {
  Copy copy;
  if (!PartCopyCorners(part, mirrored, copy.corners)) return false;
  if (pixel.x < 0 || pixel.x >= part.width || pixel.y < 0 || pixel.y >= part.height) return false;
  copy.area = {pixel.x, pixel.y, pixel.x + 1, pixel.y + 1};
  copy.mirrored = mirrored;
  PartFile file;
  if (!OpenPartFile(part.path, &file)) return false;
  if (part.width == file.layout.width && part.height == file.layout.height) {
    // Drawn at its own size: the pixel is the file's, as DrawUnstretchedCopy takes it.
    std::vector<unsigned char> storage;
    Pixels24 rows;
    bool read = ReadPartRows(&file, {pixel.y, pixel.y + 1}, storage, &rows);
    ClosePartFile(&file);
    return read && !IsTransparentPixel(PixelAddress(rows, mirrored ? part.width - 1 - pixel.x : pixel.x, pixel.y));
  }
  Pixels24 pixels;
  HBITMAP loaded = ReadRowsFor(window, &file, part, &copy, 1, &pixels);
  ClosePartFile(&file);
  if (!loaded) return false;
  bool opaque = false;
  HDC loader = CreateCompatibleDC(nullptr);
  if (loader) {
    HGDIOBJ previousLoaded = SelectObject(loader, loaded);
    Pixels24 image;
    HDC imageDC;
    HGDIOBJ previous;
    HBITMAP block = StretchBlock(window, nullptr, loader, pixels.width, pixels.height, part, copy.area,
                                 mirrored, &image, &imageDC, &previous);
    if (block) {
      opaque = !IsTransparentPixel(PixelAddress(image, 0, 0));
      ReleaseBlock(block, imageDC, previous);
    }
    SelectObject(loader, previousLoaded);
    DeleteMemoryDC(loader);
  }
  DeleteObject(loaded);
  return opaque;
}

void ComposePortrait(HWND window, HDC dc, COLORREF canvasColour, const Pixels24 *framePixels) {
  BeginPaintFailures();
  FillCanvas(dc, canvasColour);
  // Every part is stretched from the loader context; without one no part
  // can be drawn, but the pieces still pass through slot 2.
  HDC loader = CreateCompatibleDC(nullptr);
  if (!loader) ShowPaintFailure(window, TEXT_FAILED, CAPTION_CREATE_DC);
  for (int slot = CAT_BACK_HAIR; slot <= CAT_GLASSES; ++slot) {
    if (slot == CAT_OTHER) {
      for (const PartSlot &piece : PieceTable) {
        LayerTable[CAT_OTHER] = piece;
        if (loader) DrawPart(window, dc, framePixels, loader, LayerTable[CAT_OTHER], CAT_OTHER);
      }
    } else if (loader) {
      DrawPart(window, dc, framePixels, loader, LayerTable[slot], slot);
    }
  }
  DeleteMemoryDC(loader);
  EndPaintFailures();
}
