#include "bmp_export.h"

#include <cstring>

#include "failure.h"
#include "bmp_file.h"
#include "capture.h"
#include "save_dialog.h"
#include "text.h"
#include "texts.h"

static const int TEMPORARY_NAME_TRIES = 100;

// Reads bitmap as 24-bit bottom-up rows into rows (S x height bytes).
static bool ReadBitmapRows(HWND window, HBITMAP bitmap, int width, int height, std::uint8_t *rows) {
  HDC windowDC = GetDC(window);
  if (!windowDC) {
    ShowFailure(window, TEXT_FAILED, CAPTION_GET_DC);
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
    ShowFailure(window, TEXT_FAILED, CAPTION_GET_DIBITS);
    return false;
  }
  return true;
}

std::uint8_t *MakeBmpFileImage(HWND window, int x, int y, int width, int height) {
  std::uint32_t size = BmpFileSize(width, height);
  if (size == 0) {
    ShowFailure(window, TEXT_FAILED, CAPTION_CREATE_BITMAP);
    return nullptr;
  }
  auto *image = static_cast<std::uint8_t *>(GlobalAlloc(GPTR, size));
  auto *rows = static_cast<std::uint8_t *>(image ? GlobalAlloc(GPTR, size - BMP_HEADER_SIZE) : nullptr);
  if (!rows) {
    if (image) GlobalFree(image);
    ShowFailure(window, TEXT_NO_MEMORY, CAPTION_GLOBAL_ALLOC);
    return nullptr;
  }
  HBITMAP bitmap = CopyWindowPixels(window, x, y, width, height);
  bool read = bitmap && ReadBitmapRows(window, bitmap, width, height, rows);
  if (bitmap) DeleteObject(bitmap);
  if (read) AssembleBmpFile(image, width, height, rows);
  GlobalFree(rows);
  if (!read) {
    GlobalFree(image);
    return nullptr;
  }
  return image;
}

std::wstring TemporarySavePath(const std::wstring &path, unsigned number) {
  std::size_t folder = path.find_last_of(L"\\/:");
  folder = folder == std::wstring::npos ? 0 : folder + 1;
  std::wstring temporary = path.substr(0, folder) + L"~nigaoe-" + std::to_wstring(number) + L".tmp";
  return temporary.size() < MAX_PATH ? temporary : std::wstring();
}

// Creates a new file under a temporary name beside path; never opens a file
// that is already there.
static HANDLE CreateTemporaryFile(const std::wstring &path, std::wstring *temporary) {
  for (unsigned number = 0; number < TEMPORARY_NAME_TRIES; ++number) {
    *temporary = TemporarySavePath(path, GetCurrentProcessId() + number);
    if (temporary->empty()) return INVALID_HANDLE_VALUE;
    HANDLE file = CreateFileW(temporary->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

int WriteFileReplacing(HWND owner, const std::wstring &path, const void *data, DWORD size) {
  std::wstring temporary;
  HANDLE file = CreateTemporaryFile(path, &temporary);
  if (file == INVALID_HANDLE_VALUE) {
    ShowFailure(owner, TEXT_NOT_SAVED, CAPTION_CREATE_FILE);
    return 0;
  }
  const char *failedCall = nullptr;
  DWORD written = 0;
  if (!WriteFile(file, data, size, &written, nullptr) || written != size) failedCall = CAPTION_WRITE_FILE;
  if (!CloseHandle(file) && !failedCall) failedCall = CAPTION_CLOSE_HANDLE;
  if (!failedCall && !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
    failedCall = CAPTION_MOVE_FILE;
  if (failedCall) {
    DeleteFileW(temporary.c_str());
    ShowFailure(owner, TEXT_NOT_SAVED, failedCall);
    return 0;
  }
  return 1;
}

void SaveWindowAsBmp(HWND window, int x, int y, int width, int height) {
  // The file is fixed before the dialog opens: nothing done meanwhile, and
  // not the dialog itself, shows in it.
  std::uint8_t *image = MakeBmpFileImage(window, x, y, width, height);
  if (!image) return;
  char path[SAVE_PATH_SIZE] = {0};
  if (AskSavePath(window, path)) WriteFileReplacing(window, SystemText(path), image, BmpFileSize(width, height));
  GlobalFree(image);
}
