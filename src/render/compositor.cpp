#include "compositor.h"

#include <algorithm>
#include <vector>

#include "dib24.h"
#include "memory_dc.h"
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

// One copy of a part on the window: where its corners land and the block of
// the part's stretched image that the window can show.
struct Copy {
  POINT corners[3];
  RECT area;
  bool mirrored;
};

// The copy whose unturned left edge is at left, mirrored (and turned the
// other way) for the right copy of a pair. False when none of it can show.
bool PlaceCopy(HWND window, HDC dc, const PartSlot &part, long long left, bool mirrored, Copy *copy) {
  long long top = static_cast<long long>(canvasY) + part.y;
  if (!WithinReach(left) || !WithinReach(top)) return false;
  ComputeRotatedCorners(static_cast<int>(left), static_cast<int>(top), part.width, part.height,
                        part.angle, copy->corners, mirrored ? 1 : 0);
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

// Draws a copy from the part file in loader (fileWidth x fileHeight): the
// copy's block is stretched from the file, masked where pure white,
// recoloured and mapped onto the turned rectangle.
void DrawCopy(HWND window, HDC dc, HDC loader, int fileWidth, int fileHeight, const PartSlot &part,
              int layer, const Copy &copy) {
  const RECT &area = copy.area;
  Pixels24 image;
  int rows = area.bottom - area.top;
  int columns = (area.right - area.left + 3) / 4 * 4;  // whole words a row: one block of pixels
  HBITMAP bitmap = CreateDib24(window, columns, rows, &image);
  if (!bitmap) return;
  HDC imageDC = CreateCompatibleDC(dc);
  if (!imageDC) {
    ShowPaintFailure(window, TEXT_FAILED, CAPTION_CREATE_DC);
    DeleteObject(bitmap);
    return;
  }
  HGDIOBJ previous = SelectObject(imageDC, bitmap);
  // The block's corner is the image's (area.left, area.top). The context
  // keeps its default stretching mode, which ANDs the pixels that a
  // reduction combines, so that dark lines survive.
  int x = copy.mirrored ? part.width - 1 - area.left : -area.left;
  if (StretchBlt(imageDC, x, -area.top, copy.mirrored ? -part.width : part.width, part.height,
                 loader, 0, 0, fileWidth, fileHeight, SRCCOPY)) {
    GdiFlush();
    std::vector<unsigned char> mask = MaskOpaquePixels(image.bits, image.width, rows);
    RecolourPixels(image.bits, static_cast<std::size_t>(image.stride) * rows, part.blue,
                   part.green, part.red, layer);
    TransferSource source = {image.bits, mask.data(), image.width, part.width, part.height,
                             area.left, area.top, rows};
    TransferParallelogram(window, dc, copy.corners, source);
  }
  SelectObject(imageDC, previous);
  DeleteMemoryDC(imageDC);
  DeleteObject(bitmap);
}

void DrawPart(HWND window, HDC dc, HDC loader, const PartSlot &part, int layer) {
  if (part.mode != MODE_SINGLE && part.mode != MODE_PAIR) return;
  // No pixels to draw, or more than any window shows.
  if (part.width <= 0 || part.height <= 0) return;
  if (part.width > TRANSFER_MAX_SIDE || part.height > TRANSFER_MAX_SIDE) return;

  PartFile file;
  if (!OpenPartFile(part.path, &file)) return;
  // A part image too large to make whole is refused as it always was, even
  // though only the blocks the window shows are made.
  if (static_cast<long long>(PaddedWidth(part.width)) * 3 * part.height > DIB24_MAX_BYTES) {
    ShowPaintFailure(window, TEXT_NO_DIB, CAPTION_DEBUG);
    ClosePartFile(&file);
    return;
  }
  Copy copies[2];
  int count = 0;
  if (PlaceCopy(window, dc, part, static_cast<long long>(canvasX) + part.x, false, &copies[count])) ++count;
  if (part.mode == MODE_PAIR &&
      PlaceCopy(window, dc, part, static_cast<long long>(canvasX) + canvasWidth - part.x - part.width,
                true, &copies[count]))
    ++count;
  // Only the rows of the file that the copies on show need are read.
  int fileWidth = file.layout.width, fileHeight = file.layout.height;
  RowSpan rows = {fileHeight, 0};
  for (int i = 0; i < count; ++i) {
    RowSpan needed = FileRowsFor(copies[i].area, part.height, fileHeight);
    rows = {std::min(rows.first, needed.first), std::max(rows.last, needed.last)};
  }
  Pixels24 pixels;
  HBITMAP loaded = count ? ReadPartImage(window, &file, rows, &pixels) : nullptr;
  ClosePartFile(&file);
  if (!loaded) return;
  HGDIOBJ previous = SelectObject(loader, loaded);
  for (int i = 0; i < count; ++i)
    DrawCopy(window, dc, loader, fileWidth, fileHeight, part, layer, copies[i]);
  SelectObject(loader, previous);
  DeleteObject(loaded);
}

}  // namespace

void ComposePortrait(HWND window, HDC dc, COLORREF canvasColour) {
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
        if (loader) DrawPart(window, dc, loader, LayerTable[CAT_OTHER], CAT_OTHER);
      }
    } else if (loader) {
      DrawPart(window, dc, loader, LayerTable[slot], slot);
    }
  }
  DeleteMemoryDC(loader);
  EndPaintFailures();
}
