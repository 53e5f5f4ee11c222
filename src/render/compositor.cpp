#include "render/compositor.h"

#include <vector>

#include "model/portrait.h"
#include "render/dib24.h"
#include "render/memory_dc.h"
#include "render/paint_failure.h"
#include "render/parallelogram.h"
#include "render/part_file.h"
#include "render/rotation.h"
#include "res/texts.h"

namespace {

// A part's stretched image, in a memory context of its own, with the mask
// taken from it before it is recoloured.
struct PartImage {
  HBITMAP bitmap = nullptr;
  HDC dc = nullptr;
  HGDIOBJ previous = nullptr;
  unsigned char *pixels = nullptr;
  int paddedWidth = 0;
  std::vector<unsigned char> mask;
};

void FillCanvasWhite(HDC dc) {
  if (canvasWidth <= 0 || canvasHeight <= 0) return;
  RECT canvas = {canvasX, canvasY, canvasX + canvasWidth, canvasY + canvasHeight};
  HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
  FillRect(dc, &canvas, white);
  DeleteObject(white);
}

// Stretches the bitmap in loader (width x height pixels) to the part's size,
// mirrored left to right when asked. Returns false when there is no image to
// draw from; what was made is still released by ReleasePartImage.
bool MakePartImage(HWND window, HDC dc, HDC loader, int width, int height, const PartSlot &part,
                   bool mirrored, PartImage &image) {
  image.paddedWidth = PaddedWidth(part.width);
  void *pixels;
  CreateDib24(window, &image.bitmap, &pixels, image.paddedWidth, part.height);
  if (!image.bitmap) return false;
  image.pixels = static_cast<unsigned char *>(pixels);
  image.dc = CreateCompatibleDC(dc);
  if (!image.dc) {
    ShowPaintFailure(window, TEXT_FAILED, CAPTION_CREATE_DC);
    return false;
  }
  image.previous = SelectObject(image.dc, image.bitmap);
  // The context keeps its default stretching mode, which ANDs the pixels
  // that a reduction combines, so that dark lines survive.
  bool stretched =
      mirrored ? StretchBlt(image.dc, part.width - 1, 0, -part.width, part.height, loader, 0, 0,
                            width, height, SRCCOPY)
               : StretchBlt(image.dc, 0, 0, part.width, part.height, loader, 0, 0, width, height,
                            SRCCOPY);
  if (!stretched) return false;
  GdiFlush();
  image.mask = MaskOpaquePixels(image.pixels, image.paddedWidth, part.height);
  return true;
}

void ReleasePartImage(PartImage &image) {
  if (image.dc) {
    SelectObject(image.dc, image.previous);
    DeleteMemoryDC(image.dc);
  }
  if (image.bitmap) DeleteObject(image.bitmap);
}

bool WithinReach(long long coordinate) {
  return coordinate >= -TRANSFER_MAX_COORDINATE && coordinate <= TRANSFER_MAX_COORDINATE;
}

void DrawCopy(HWND window, HDC dc, const PartSlot &part, const PartImage &image, long long left,
              int reversed) {
  long long top = static_cast<long long>(canvasY) + part.y;
  if (!WithinReach(left) || !WithinReach(top)) return;
  POINT corners[3];
  ComputeRotatedCorners(static_cast<int>(left), static_cast<int>(top), part.width, part.height,
                        part.angle, corners, reversed);
  TransferSource source = {image.pixels, image.mask.data(), image.paddedWidth, part.width,
                           part.height};
  TransferParallelogram(window, dc, corners, source);
}

void DrawPart(HWND window, HDC dc, HDC loader, const PartSlot &part, int layer) {
  if (part.mode != MODE_SINGLE && part.mode != MODE_PAIR) return;
  // No pixels to draw, or more than any window shows.
  if (part.width <= 0 || part.height <= 0) return;
  if (part.width > TRANSFER_MAX_SIDE || part.height > TRANSFER_MAX_SIDE) return;

  int width, height;
  HBITMAP loaded = LoadPartBitmap(part.path, &width, &height);
  if (!loaded) return;
  HGDIOBJ previous = SelectObject(loader, loaded);

  PartImage image, mirrored;
  if (MakePartImage(window, dc, loader, width, height, part, false, image) &&
      MakePartImage(window, dc, loader, width, height, part, true, mirrored)) {
    std::size_t byteCount = static_cast<std::size_t>(part.height) * image.paddedWidth * 3;
    RecolourPixels(image.pixels, byteCount, part.blue, part.green, part.red, layer);
    RecolourPixels(mirrored.pixels, byteCount, part.blue, part.green, part.red, layer);

    DrawCopy(window, dc, part, image, static_cast<long long>(canvasX) + part.x, 0);
    if (part.mode == MODE_PAIR) {
      long long mirroredLeft =
          static_cast<long long>(canvasX) + canvasWidth - part.x - part.width;
      DrawCopy(window, dc, part, mirrored, mirroredLeft, 1);
    }
  }
  ReleasePartImage(image);
  ReleasePartImage(mirrored);
  SelectObject(loader, previous);
  DeleteObject(loaded);
}

}  // namespace

void ComposePortrait(HWND window, HDC dc) {
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
