#include "compositor.h"

#include <algorithm>
#include <vector>

#include "dib24.h"
#include "memory_dc.h"
#include "paint_clock.h"
#include "parallelogram.h"
#include "part_file.h"
#include "portrait.h"
#include "rotation.h"
#include "texts.h"

RECT CanvasBounds() { return {canvasX, canvasY, canvasX + canvasWidth, canvasY + canvasHeight}; }

namespace {

void FillCanvas(HDC dc, COLORREF colour) {
  if (canvasWidth <= 0 || canvasHeight <= 0) return;
  RECT canvas = CanvasBounds();
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

// The columns of a block of width pixels: whole words a row, so that its
// 3-byte pixels form one run of bytes.
int BlockColumns(int width) { return (width + 3) / 4 * 4; }

// One copy of a part on the window: where its corners land and the block of
// the part's stretched image that is made for it, mirrored or not.
struct Copy {
  POINT corners[3];
  RECT area;
  bool mirrored;
};

// The copy, placed for the right copy of a pair when rightCopy, its image
// mirrored for that copy or for a flipped part (a flipped pair's right copy
// mirrors back). False when none of it can show.
bool PlaceCopy(HWND window, HDC dc, const PartSlot &part, bool rightCopy, bool flipped, Copy *copy) {
  if (!PartCopyCorners(part, rightCopy, copy->corners)) return false;
  copy->mirrored = rightCopy != flipped;
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

// The pixels of a part file that the blocks of its copies are made from. A
// part drawn at its file's own size has the file for its image: the rows
// read are copied from as they are, with no image of the platform's, no
// context and no stretch. Any other is stretched from the file's rows read
// into an image selected into a loader context.
struct PartPixels {
  bool stretched;
  std::vector<unsigned char> storage;  // the rows read, when not stretched
  Pixels24 pixels;                     // the file's rows
  HDC loader;
  HBITMAP loaded;
  HGDIOBJ previous;  // what loader held before loaded
};

// Reads the rows of an open part file that the blocks of copies need: only
// those. A stretched part needs loader. False, with nothing left made, when
// they cannot be read (an image that cannot be made kept in *failure).
bool ReadPartPixels(PartFile *file, const PartSlot &part, const Copy *copies, int count, HDC loader,
                    PartPixels *read, Failure *failure) {
  const PartFileLayout &layout = file->layout;
  read->stretched = part.width != layout.width || part.height != layout.height;
  read->loader = loader;
  read->loaded = nullptr;
  if (!read->stretched) {
    RowSpan rows = {static_cast<int>(copies[0].area.top), static_cast<int>(copies[0].area.bottom)};
    for (int i = 1; i < count; ++i)
      rows = {std::min<int>(rows.first, copies[i].area.top), std::max<int>(rows.last, copies[i].area.bottom)};
    return ReadPartRows(file, rows, read->storage, &read->pixels);
  }
  RowSpan rows = {layout.height, 0};
  for (int i = 0; i < count; ++i) {
    RowSpan needed = FileRowsFor(copies[i].area, part.height, layout.height);
    rows = {std::min(rows.first, needed.first), std::max(rows.last, needed.last)};
  }
  read->loaded = ReadPartImage(file, rows, &read->pixels, failure);
  if (!read->loaded) return false;
  read->previous = SelectObject(loader, read->loaded);
  return true;
}

void ReleasePartPixels(PartPixels *read) {
  if (!read->loaded) return;
  StageScope stage(STAGE_IMAGES);
  SelectObject(read->loader, read->previous);
  DeleteObject(read->loaded);
  read->loaded = nullptr;
}

// The block of a copy: the area of the part's image, mirrored for the right
// copy of a pair, columns a row (a multiple of 4), bottom row first.
struct Block {
  unsigned char *bits;
  int columns;
  std::vector<unsigned char> storage;  // copied from the file's rows
  HBITMAP bitmap;                      // or stretched into this image
  HDC dc;
  HGDIOBJ previous;
};

void ReleaseBlock(Block *block) {
  if (!block->bitmap) return;
  StageScope stage(STAGE_IMAGES);
  SelectObject(block->dc, block->previous);
  DeleteMemoryDC(block->dc);
  DeleteObject(block->bitmap);
  block->bitmap = nullptr;
}

// Copies a block of a part drawn at its file's own size from the file's rows.
void CopyBlock(const Pixels24 &file, const PartSlot &part, const Copy &copy, Block *block) {
  const RECT &area = copy.area;
  int rows = area.bottom - area.top, width = area.right - area.left;
  StageScope stage(STAGE_STRETCH);
  block->storage.resize(static_cast<std::size_t>(block->columns) * 3 * rows);
  block->bits = block->storage.data();
  for (int r = 0; r < rows; ++r) {
    unsigned char *to = block->bits + static_cast<std::size_t>(rows - 1 - r) * block->columns * 3;
    const unsigned char *row = PixelAddress(file, 0, area.top + r);
    for (int c = 0; c < width; ++c) {
      int column = area.left + c;
      const unsigned char *from = row + 3 * (copy.mirrored ? part.width - 1 - column : column);
      to[3 * c] = from[0], to[3 * c + 1] = from[1], to[3 * c + 2] = from[2];
    }
  }
}

// Stretches a block from the file's rows in the loader into a new image
// selected into a context compatible with like.
bool StretchBlock(const PartPixels &from, const PartSlot &part, const Copy &copy, HDC like, Block *block,
                  Failure *failure) {
  const RECT &area = copy.area;
  Pixels24 image;
  block->bitmap = CreateDib24(block->columns, area.bottom - area.top, &image, failure);
  if (!block->bitmap) return false;
  block->bits = image.bits;
  StageScope stage(STAGE_IMAGES);
  block->dc = CreateMemoryDC(like, failure);
  if (!block->dc) {
    DeleteObject(block->bitmap);
    block->bitmap = nullptr;
    return false;
  }
  block->previous = SelectObject(block->dc, block->bitmap);
  stage.Switch(STAGE_STRETCH);
  // The block's corner is the image's (area.left, area.top). The context
  // keeps its default stretching mode, which ANDs the pixels that a
  // reduction combines, so that dark lines survive.
  int x = copy.mirrored ? part.width - 1 - area.left : -area.left;
  bool stretched = StretchBlt(block->dc, x, -area.top, copy.mirrored ? -part.width : part.width, part.height,
                              from.loader, 0, 0, from.pixels.width, from.pixels.height, SRCCOPY);
  GdiFlush();
  if (stretched) return true;
  ReleaseBlock(block);
  return false;
}

// Makes the block of a copy from the part's pixels; the one way the paint
// and the hit test both take to a part's pixels. Release with ReleaseBlock.
bool MakeBlock(const PartPixels &from, const PartSlot &part, const Copy &copy, HDC like, Block *block,
               Failure *failure) {
  block->bitmap = nullptr;
  block->columns = BlockColumns(copy.area.right - copy.area.left);
  if (from.stretched) return StretchBlock(from, part, copy, like, block, failure);
  CopyBlock(from.pixels, part, copy, block);
  return true;
}

// Draws a copy from its block: masked where pure white, recoloured and
// mapped onto the turned rectangle.
void DrawBlock(HWND window, HDC dc, const Pixels24 *framePixels, const PartSlot &part, int layer,
               const Copy &copy, const Block &block, Failure *failure) {
  const RECT &area = copy.area;
  int rows = area.bottom - area.top;
  StageScope stage(STAGE_MASK);
  std::vector<unsigned char> mask = MaskOpaquePixels(block.bits, block.columns, rows);
  RecolourPixels(block.bits, static_cast<std::size_t>(block.columns) * 3 * rows, part.blue, part.green,
                 part.red, layer);
  TransferSource source = {block.bits, mask.data(), block.columns, part.width, part.height,
                           area.left,  area.top,    rows};
  stage.Switch(STAGE_TRANSFER);
  TransferParallelogram(window, dc, copy.corners, source, framePixels, failure);
}

void DrawPart(HWND window, HDC dc, const Pixels24 *framePixels, HDC loader, const PartSlot &part, int layer,
              bool flipped, Failure *failure) {
  if (part.mode != MODE_SINGLE && part.mode != MODE_PAIR) return;
  // No pixels to draw, or more than any window shows.
  if (part.width <= 0 || part.height <= 0) return;
  if (part.width > TRANSFER_MAX_SIDE || part.height > TRANSFER_MAX_SIDE) return;

  // A part image too large to make whole is refused as it always was, even
  // though only the blocks the window shows are made.
  PartFile file;
  if (!ImageFits(part)) {
    if (!OpenPartFile(part.path, &file)) return;
    NoteFailure(failure, TEXT_NO_DIB, CAPTION_DEBUG);
    ClosePartFile(&file);
    return;
  }
  // A part none of which can show is not even opened.
  Copy copies[2];
  int count = 0;
  if (PlaceCopy(window, dc, part, false, flipped, &copies[count])) ++count;
  if (part.mode == MODE_PAIR && PlaceCopy(window, dc, part, true, flipped, &copies[count])) ++count;
  if (!count || !OpenPartFile(part.path, &file)) return;
  PartPixels pixels;
  bool read = ReadPartPixels(&file, part, copies, count, loader, &pixels, failure);
  ClosePartFile(&file);
  if (!read) return;
  for (int i = 0; i < count; ++i) {
    Block block;
    if (!MakeBlock(pixels, part, copies[i], dc, &block, failure)) continue;
    DrawBlock(window, dc, framePixels, part, layer, copies[i], block, failure);
    ReleaseBlock(&block);
  }
  ReleasePartPixels(&pixels);
}

}  // namespace

namespace {

// Whether the compositor draws part at all: on, and of a size it can make.
bool Drawable(const PartSlot &part) {
  return (part.mode == MODE_SINGLE || part.mode == MODE_PAIR) && part.width > 0 && part.height > 0 &&
         part.width <= TRANSFER_MAX_SIDE && part.height <= TRANSFER_MAX_SIDE && ImageFits(part);
}

}  // namespace

bool PartCopyCorners(const PartSlot &part, bool mirrored, POINT corners[3]) {
  if (!Drawable(part) || (mirrored && part.mode != MODE_PAIR)) return false;
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

bool PartPixelOpaque(const PartSlot &part, bool mirrored, POINT pixel, Failure *failure) {
  Copy copy = {};
  if (!Drawable(part)) return false;
  if (pixel.x < 0 || pixel.x >= part.width || pixel.y < 0 || pixel.y >= part.height) return false;
  copy.area = {pixel.x, pixel.y, pixel.x + 1, pixel.y + 1};
  copy.mirrored = mirrored;
  PartFile file;
  if (!OpenPartFile(part.path, &file)) return false;
  // Only a stretched part needs a loader; without one the pixel is not
  // found, and nothing is said.
  bool stretched = part.width != file.layout.width || part.height != file.layout.height;
  HDC loader = stretched ? CreateMemoryDC(nullptr, nullptr) : nullptr;
  PartPixels pixels;
  bool read = (!stretched || loader) && ReadPartPixels(&file, part, &copy, 1, loader, &pixels, failure);
  ClosePartFile(&file);
  bool opaque = false;
  if (read) {
    Block block;
    if (MakeBlock(pixels, part, copy, nullptr, &block, failure)) {
      opaque = !IsTransparentPixel(block.bits);
      ReleaseBlock(&block);
    }
    ReleasePartPixels(&pixels);
  }
  DeleteMemoryDC(loader);
  return opaque;
}

Failure ComposePortrait(HWND window, HDC dc, COLORREF canvasColour, const Pixels24 *framePixels,
                        const ShownPhoto *photo) {
  Failure failure = {};
  FillCanvas(dc, canvasColour);
  if (photo && canvasWidth > 0 && canvasHeight > 0)
    DrawPhoto(dc, *photo, CanvasBounds());
  // Every stretched part is stretched from the loader context; without one
  // no part is drawn.
  HDC loader = CreateMemoryDC(nullptr, &failure);
  for (int slot = CAT_BACK_HAIR; loader && slot <= CAT_GLASSES; ++slot) {
    if (slot == CAT_OTHER) {
      // The pieces, each from its own record, in slot 2's turn.
      for (int piece = 0; piece < PIECE_SLOTS; ++piece)
        DrawPart(window, dc, framePixels, loader, PieceTable[piece], CAT_OTHER, PieceFlipped[piece], &failure);
    } else {
      DrawPart(window, dc, framePixels, loader, LayerTable[slot], slot, LayerFlipped[slot], &failure);
    }
  }
  DeleteMemoryDC(loader);
  return failure;
}
