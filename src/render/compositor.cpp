#include "compositor.h"

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

void FillCanvasWhite(HDC dc) {
  if (canvasWidth <= 0 || canvasHeight <= 0) return;
  RECT canvas = {canvasX, canvasY, canvasX + canvasWidth, canvasY + canvasHeight};
  HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
  FillRect(dc, &canvas, white);
  DeleteObject(white);
}

bool WithinReach(long long coordinate) {
  return coordinate >= -TRANSFER_MAX_COORDINATE && coordinate <= TRANSFER_MAX_COORDINATE;
}

// A loaded part file in the loader context, and the part drawn from it.
struct LoadedPart {
  HDC loader;
  int width;   // the file's own size
  int height;
  const PartSlot &part;
  int layer;
};

// Draws one copy of a part whose unturned left edge is at left, mirrored
// (and turned the other way) for the right copy of a pair. Only the block
// of the part's stretched image that the window can show is made: it is
// stretched from the file, masked where pure white, recoloured and mapped
// onto the turned rectangle.
void DrawCopy(HWND window, HDC dc, const LoadedPart &loaded, long long left, bool mirrored) {
  const PartSlot &part = loaded.part;
  long long top = static_cast<long long>(canvasY) + part.y;
  if (!WithinReach(left) || !WithinReach(top)) return;
  POINT corners[3];
  ComputeRotatedCorners(static_cast<int>(left), static_cast<int>(top), part.width, part.height,
                        part.angle, corners, mirrored ? 1 : 0);
  RECT area;
  if (!SampledArea(corners, part.width, part.height, TransferBox(window, dc, corners), &area)) return;

  Pixels24 image;
  int rows = area.bottom - area.top;
  int columns = (area.right - area.left + 3) / 4 * 4;  // rows of whole 4-byte words
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
  int x = mirrored ? part.width - 1 - area.left : -area.left;
  if (StretchBlt(imageDC, x, -area.top, mirrored ? -part.width : part.width, part.height,
                 loaded.loader, 0, 0, loaded.width, loaded.height, SRCCOPY)) {
    GdiFlush();
    std::vector<unsigned char> mask = MaskOpaquePixels(image.bits, image.width, rows);
    RecolourPixels(image.bits, static_cast<std::size_t>(image.stride) * rows, part.blue,
                   part.green, part.red, loaded.layer);
    TransferSource source = {image.bits, mask.data(), image.width, part.width, part.height,
                             area.left, area.top, rows};
    TransferParallelogram(window, dc, corners, source);
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

  Pixels24 file;
  HBITMAP loaded = LoadPartImage(window, part.path, &file);
  if (!loaded) return;
  // A part image too large to make whole is refused as it always was, even
  // though only the block the window shows is made.
  if (static_cast<long long>(PaddedWidth(part.width)) * 3 * part.height > DIB24_MAX_BYTES) {
    ShowPaintFailure(window, TEXT_NO_DIB, CAPTION_DEBUG);
    DeleteObject(loaded);
    return;
  }
  HGDIOBJ previous = SelectObject(loader, loaded);
  LoadedPart source = {loader, file.width, file.height, part, layer};
  DrawCopy(window, dc, source, static_cast<long long>(canvasX) + part.x, false);
  if (part.mode == MODE_PAIR)
    DrawCopy(window, dc, source,
             static_cast<long long>(canvasX) + canvasWidth - part.x - part.width, true);
  SelectObject(loader, previous);
  DeleteObject(loaded);
}

}  // namespace

void ComposePortrait(HWND window, HDC dc) {
  BeginPaintFailures();
  FillCanvasWhite(dc);
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
