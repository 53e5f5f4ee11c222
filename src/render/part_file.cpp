#include "part_file.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "memory_dc.h"
#include "paint_clock.h"
#include "row_stride.h"
#include "selection.h"

// The decoder names the compressions itself, without the platform's headers.
static_assert(PART_BI_RGB == BI_RGB && PART_BI_BITFIELDS == BI_BITFIELDS, "BMP compression codes");

namespace {

bool Refuse(PartFileProblem *problem, PartFileProblem why) {
  if (problem) *problem = why;
  return false;
}

int OpenPartFileNow(const char *relativePath, PartFile *file, PartFileProblem *problem) {
  char path[MAX_PATH];
  if (!MakeBasePath(path, sizeof path, relativePath)) return Refuse(problem, PART_FILE_PATH_TOO_LONG);
  file->handle = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file->handle == INVALID_HANDLE_VALUE) return Refuse(problem, PART_FILE_NOT_OPENED);
  LARGE_INTEGER length;
  DWORD read = 0;
  bool fits;
  if (GetFileType(file->handle) != FILE_TYPE_DISK)
    fits = Refuse(problem, PART_FILE_NOT_DISK_FILE);
  else if (!GetFileSizeEx(file->handle, &length) ||
           !ReadFile(file->handle, file->headers, sizeof file->headers, &read, nullptr))
    fits = Refuse(problem, PART_FILE_NOT_READABLE);
  else
    fits = ReadPartFileLayout(file->headers, read, static_cast<unsigned long long>(length.QuadPart),
                              &file->layout, problem);
  if (!fits) ClosePartFile(file);
  return fits;
}

bool ReadExactly(HANDLE file, unsigned long long offset, void *to, std::size_t size) {
  StageScope stage(STAGE_FILES);
  LARGE_INTEGER at;
  at.QuadPart = static_cast<LONGLONG>(offset);
  DWORD read = 0;
  return SetFilePointerEx(file, at, nullptr, FILE_BEGIN) &&
         ReadFile(file, to, static_cast<DWORD>(size), &read, nullptr) && read == size;
}

// Reads rows first to last - 1 of an open file into image, which holds at
// least those rows of the file's width.
bool ReadRowsInto(PartFile *file, int first, int last, const Pixels24 &image) {
  const PartFileLayout &layout = file->layout;
  // The rows are one stretch of the file, in its order: stored rows
  // r0 to r1 - 1.
  int r0 = layout.topDown ? first : layout.height - last;
  int r1 = layout.topDown ? last : layout.height - first;
  std::size_t size = static_cast<std::size_t>(layout.rowSize * (r1 - r0));
  unsigned long long offset = layout.pixelOffset + layout.rowSize * r0;
  if (layout.bitCount == 24) {
    // A 24-bit file's rows are the image's rows: read straight into it, then
    // put top-down ones bottom row first.
    unsigned char *block = PixelAddress(image, 0, last - 1);
    if (!ReadExactly(file->handle, offset, block, size)) return false;
    if (layout.topDown)
      for (int low = 0, high = r1 - r0 - 1; low < high; ++low, --high)
        std::swap_ranges(block + static_cast<std::size_t>(low) * image.stride,
                         block + static_cast<std::size_t>(low + 1) * image.stride,
                         block + static_cast<std::size_t>(high) * image.stride);
    return true;
  }
  std::vector<unsigned char> stored(size);
  if (!ReadExactly(file->handle, offset, stored.data(), size)) return false;
  StageScope stage(STAGE_DECODE);
  DecodePartRows(layout, file->headers, stored.data(), r0, r1, image);
  return true;
}

}  // namespace

int OpenPartFile(const char *relativePath, PartFile *file, PartFileProblem *problem) {
  StageScope stage(STAGE_FILES);
  return OpenPartFileNow(relativePath, file, problem);
}

void ClosePartFile(PartFile *file) {
  StageScope stage(STAGE_FILES);
  if (file->handle != INVALID_HANDLE_VALUE) CloseHandle(file->handle);
  file->handle = INVALID_HANDLE_VALUE;
}

HBITMAP ReadPartImage(PartFile *file, RowSpan rows, Pixels24 *pixels, Failure *failure) {
  const PartFileLayout &layout = file->layout;
  HBITMAP bitmap = CreateDib24(layout.width, layout.height, pixels, failure);
  if (!bitmap) return nullptr;
  int first = std::max(rows.first, 0), last = std::min(rows.last, layout.height);
  if (first < last && !ReadRowsInto(file, first, last, *pixels)) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

bool ReadPartRows(PartFile *file, RowSpan rows, std::vector<unsigned char> &storage, Pixels24 *pixels) {
  const PartFileLayout &layout = file->layout;
  int first = std::max(rows.first, 0), last = std::min(rows.last, layout.height);
  if (first >= last) return false;
  int stride = static_cast<int>(RowStride(layout.width));
  storage.assign(static_cast<std::size_t>(stride) * (last - first), 0);
  // Counted from the image's bottom row up, the rows stored end at row first.
  *pixels = Pixels24{storage.data(), stride, layout.width, last};
  return ReadRowsInto(file, first, last, *pixels);
}

HBITMAP LoadPartImage(const char *relativePath, Pixels24 *pixels, Failure *failure) {
  PartFile file;
  if (!OpenPartFile(relativePath, &file)) return nullptr;
  HBITMAP bitmap = ReadPartImage(&file, ALL_ROWS, pixels, failure);
  ClosePartFile(&file);
  return bitmap;
}

int ReadPartSize(const char *relativePath, int *width, int *height) {
  PartFile file;
  if (!OpenPartFile(relativePath, &file)) return 0;
  ClosePartFile(&file);
  *width = file.layout.width;
  *height = file.layout.height;
  return 1;
}

int OpenPartSource(PartFile *file, RowSpan rows, PartSource &source, Failure *failure) {
  source = PartSource{};
  source.bitmap = ReadPartImage(file, rows, &source.pixels, failure);
  if (!source.bitmap) return 0;
  StageScope stage(STAGE_IMAGES);
  source.width = source.pixels.width;
  source.height = source.pixels.height;
  source.dc = CreateMemoryDC(nullptr, failure);
  if (!source.dc) {
    DeleteObject(source.bitmap);
    source = PartSource{};
    return 0;
  }
  source.previous = SelectObject(source.dc, source.bitmap);
  return 1;
}

void ClosePartSource(PartSource &source) {
  StageScope stage(STAGE_IMAGES);
  if (source.dc) {
    SelectObject(source.dc, source.previous);
    DeleteMemoryDC(source.dc);
  }
  if (source.bitmap) DeleteObject(source.bitmap);
  source = PartSource{};
}

void PickDefaultColour(int s, Failure *failure) {
  if (s < 0 || s >= PIECE_SLOTS) return;
  PartSlot &piece = PieceTable[s];
  Pixels24 pixels;
  HBITMAP image = LoadPartImage(piece.path, &pixels, failure);
  if (!image) return;
  piece.blue = piece.green = piece.red = 0;
  FindFirstColour(pixels.bits, pixels.stride, pixels.width, pixels.height, &piece.blue,
                  &piece.green, &piece.red);
  DeleteObject(image);
}

int PlaceListedPart(int category, const char *entry, int index, Failure *failure) {
  // A file that cannot be read is chosen all the same, as 0 x 0 pixels: the
  // compositor draws nothing for it.
  int width = 0, height = 0;
  ReadPartSize(entry, &width, &height);
  int piece = PlaceChosenPart(category, entry, index, width, height);
  if (piece >= 0) PickDefaultColour(piece, failure);
  return piece;
}
