#include "part_file.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "memory_dc.h"
#include "paint_clock.h"
#include "paint_failure.h"
#include "texts.h"

// The decoder names the compressions itself, without the platform's headers.
static_assert(PART_BI_RGB == BI_RGB && PART_BI_BITFIELDS == BI_BITFIELDS, "BMP compression codes");

static bool Refuse(PartFileProblem *problem, PartFileProblem why) {
  if (problem) *problem = why;
  return false;
}

static int OpenPartFileNow(const char *relativePath, PartFile *file, PartFileProblem *problem) {
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

int OpenPartFile(const char *relativePath, PartFile *file, PartFileProblem *problem) {
  PaintStage previous = EnterStage(STAGE_FILES);
  int opened = OpenPartFileNow(relativePath, file, problem);
  LeaveStage(previous);
  return opened;
}

void ClosePartFile(PartFile *file) {
  PaintStage previous = EnterStage(STAGE_FILES);
  if (file->handle != INVALID_HANDLE_VALUE) CloseHandle(file->handle);
  file->handle = INVALID_HANDLE_VALUE;
  LeaveStage(previous);
}

static bool ReadExactly(HANDLE file, unsigned long long offset, void *to, std::size_t size) {
  PaintStage previous = EnterStage(STAGE_FILES);
  LARGE_INTEGER at;
  at.QuadPart = static_cast<LONGLONG>(offset);
  DWORD read = 0;
  bool done = SetFilePointerEx(file, at, nullptr, FILE_BEGIN) &&
              ReadFile(file, to, static_cast<DWORD>(size), &read, nullptr) && read == size;
  LeaveStage(previous);
  return done;
}

// Reads rows first to last - 1 of an open file into image, which holds at
// least those rows of the file's width.
static bool ReadRowsInto(PartFile *file, int first, int last, const Pixels24 &image) {
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
  PaintStage previous = EnterStage(STAGE_DECODE);
  DecodePartRows(layout, file->headers, stored.data(), r0, r1, image);
  LeaveStage(previous);
  return true;
}

HBITMAP ReadPartImage(HWND window, PartFile *file, RowSpan rows, Pixels24 *pixels) {
  const PartFileLayout &layout = file->layout;
  HBITMAP bitmap = CreateDib24(window, layout.width, layout.height, pixels);
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
  int stride = (layout.width * 3 + 3) / 4 * 4;
  storage.assign(static_cast<std::size_t>(stride) * (last - first), 0);
  // Counted from the image's bottom row up, the rows stored end at row first.
  *pixels = Pixels24{storage.data(), stride, layout.width, last};
  return ReadRowsInto(file, first, last, *pixels);
}

HBITMAP LoadPartImage(HWND window, const char *relativePath, Pixels24 *pixels) {
  PartFile file;
  if (!OpenPartFile(relativePath, &file)) return nullptr;
  HBITMAP bitmap = ReadPartImage(window, &file, ALL_ROWS, pixels);
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

int OpenPartSource(HWND window, PartFile *file, RowSpan rows, PartSource &source) {
  source = PartSource{};
  source.bitmap = ReadPartImage(window, file, rows, &source.pixels);
  if (!source.bitmap) return 0;
  PaintStage previous = EnterStage(STAGE_IMAGES);
  source.width = source.pixels.width;
  source.height = source.pixels.height;
  source.dc = CreateCompatibleDC(nullptr);
  if (!source.dc) {
    ShowPaintFailure(window, TEXT_FAILED, CAPTION_CREATE_DC);
    DeleteObject(source.bitmap);
    source = PartSource{};
    LeaveStage(previous);
    return 0;
  }
  source.previous = SelectObject(source.dc, source.bitmap);
  LeaveStage(previous);
  return 1;
}

void ClosePartSource(PartSource &source) {
  PaintStage previous = EnterStage(STAGE_IMAGES);
  if (source.dc) {
    SelectObject(source.dc, source.previous);
    DeleteMemoryDC(source.dc);
  }
  if (source.bitmap) DeleteObject(source.bitmap);
  source = PartSource{};
  LeaveStage(previous);
}

void PickDefaultColour(HWND window, int s) {
  if (s < 0 || s >= PIECE_SLOTS) return;
  PartSlot &piece = PieceTable[s];
  Pixels24 pixels;
  HBITMAP image = LoadPartImage(window, piece.path, &pixels);
  if (!image) return;
  piece.blue = piece.green = piece.red = 0;
  FindFirstColour(pixels.bits, pixels.stride, pixels.width, pixels.height, &piece.blue,
                  &piece.green, &piece.red);
  DeleteObject(image);
}
