#include "bmp_export.h"

#include "bmp_file.h"
#include "capture.h"
#include "file_dialog.h"
#include "file_io.h"
#include "text.h"
#include "texts.h"

namespace {

// Reads bitmap as 24-bit bottom-up rows into rows (S x height bytes).
bool ReadBitmapRows(HWND window, HBITMAP bitmap, int width, int height, std::uint8_t *rows, Failure *failure) {
  HDC windowDC = GetDC(window);
  if (!windowDC) {
    NoteFailure(failure, TEXT_FAILED, CAPTION_GET_DC);
    return false;
  }
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  int lines = GetDIBits(windowDC, bitmap, 0, height, rows, &info, DIB_RGB_COLORS);
  ReleaseDC(window, windowDC);
  if (lines != height) {
    NoteFailure(failure, TEXT_FAILED, CAPTION_GET_DIBITS);
    return false;
  }
  return true;
}

}  // namespace

std::uint8_t *MakeBmpFileImage(HWND window, int x, int y, int width, int height, Failure *failure) {
  std::uint32_t size = BmpFileSize(width, height);
  if (size == 0) {
    NoteFailure(failure, TEXT_FAILED, CAPTION_CREATE_BITMAP);
    return nullptr;
  }
  auto *image = static_cast<std::uint8_t *>(GlobalAlloc(GPTR, size));
  auto *rows = static_cast<std::uint8_t *>(image ? GlobalAlloc(GPTR, size - BMP_HEADER_SIZE) : nullptr);
  if (!rows) {
    if (image) GlobalFree(image);
    NoteFailure(failure, TEXT_NO_MEMORY, CAPTION_GLOBAL_ALLOC);
    return nullptr;
  }
  HBITMAP bitmap = CopyWindowPixels(window, x, y, width, height, failure);
  bool read = bitmap && ReadBitmapRows(window, bitmap, width, height, rows, failure);
  if (bitmap) DeleteObject(bitmap);
  if (read) AssembleBmpFile(image, width, height, rows);
  GlobalFree(rows);
  if (!read) {
    GlobalFree(image);
    return nullptr;
  }
  return image;
}

void SaveWindowAsBmp(HWND window, int x, int y, int width, int height) {
  // The file is fixed before the dialog opens: nothing done meanwhile, and
  // not the dialog itself, shows in it.
  Failure failure = {};
  std::uint8_t *image = MakeBmpFileImage(window, x, y, width, height, &failure);
  if (!image) {
    ShowFailure(window, failure);
    return;
  }
  FileQuestion question = {window, true, TEXT_SAVE_TITLE, TEXT_SAVE_FILTER, nullptr,
                           SystemText(PictureSaveProposal().c_str()), std::wstring(), DIALOG_SAVE_PICTURE};
  FileAnswer answer;
  if (askFile(question, &answer) && !WriteFileReplacing(answer.path, image, BmpFileSize(width, height), &failure))
    ShowFailure(window, failure);
  GlobalFree(image);
}
