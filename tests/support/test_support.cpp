#include "support/test_support.h"

#include "bmp_file.h"
#include "capture.h"
#include "commands.h"
#include "failure.h"
#include "portrait.h"
#include "resource.h"

#include <algorithm>
#include <cstdio>

namespace {

void RemoveTree(const std::string &path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      std::string child = path + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

}  // namespace

TempDir::TempDir() {
  char base[MAX_PATH];
  GetTempPathA(sizeof base, base);
  static int counter = 0;
  for (;;) {
    char name[MAX_PATH];
    std::snprintf(name, sizeof name, "%snigaoe-test-%lu-%d", base, GetCurrentProcessId(), ++counter);
    if (CreateDirectoryA(name, nullptr)) {
      path_ = name;
      return;
    }
  }
}

TempDir::~TempDir() { RemoveTree(path_); }

void WriteTestBmp(const std::string &path, int width, int height,
                  const std::function<Bgr(int x, int y)> &pixel) {
  std::vector<std::uint8_t> bytes(BmpFileSize(width, height));
  if (bytes.empty()) return;
  WriteBmpHeaders(bytes.data(), width, height);
  std::uint32_t rowSize = BmpRowSize(width);
  for (int y = 0; y < height; ++y) {
    std::uint8_t *row = &bytes[BMP_HEADER_SIZE + (height - 1 - y) * rowSize];
    for (int x = 0; x < width; ++x) {
      Bgr p = pixel(x, y);
      row[x * 3] = p.blue;
      row[x * 3 + 1] = p.green;
      row[x * 3 + 2] = p.red;
    }
  }
  WriteFileBytes(path, bytes);
}

void WriteFileBytes(const std::string &path, const std::vector<std::uint8_t> &bytes) {
  std::FILE *file = std::fopen(path.c_str(), "wb");
  if (!file) return;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

std::vector<std::uint8_t> ReadFileBytes(const std::string &path) {
  std::vector<std::uint8_t> bytes;
  std::FILE *file = std::fopen(path.c_str(), "rb");
  if (!file) return bytes;
  int c;
  while ((c = std::fgetc(file)) != EOF) bytes.push_back(static_cast<std::uint8_t>(c));
  std::fclose(file);
  return bytes;
}

bool FileExists(const std::string &path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<std::string> FolderNames(const std::string &folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

namespace {

std::vector<ShownFailure> failures;
FailureReporter savedReporter;

void RecordFailure(HWND owner, const char *text, const char *caption) {
  failures.push_back(ShownFailure{owner, text, caption});
}

}  // namespace

FailureLog::FailureLog() {
  failures.clear();
  savedReporter = failureReporter;
  failureReporter = RecordFailure;
}

FailureLog::~FailureLog() { failureReporter = savedReporter; }

const std::vector<ShownFailure> &FailureLog::entries() const { return failures; }

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

Bgr PixelAt(HDC dc, int x, int y) {
  COLORREF colour = GetPixel(dc, x, y);
  return Bgr{GetBValue(colour), GetGValue(colour), GetRValue(colour)};
}

std::vector<std::uint8_t> SavedCanvasPixels(HWND window) {
  HandleEditorCommand(window, IDC_SAVE);
  PumpMessages();
  std::vector<std::uint8_t> bytes(CANVAS_WIDTH * 3 * CANVAS_HEIGHT);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof info.bmiHeader, CANVAS_WIDTH, CANVAS_HEIGHT, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  HDC screen = GetDC(nullptr);
  if (!CapturedImage.bitmap ||
      GetDIBits(screen, CapturedImage.bitmap, 0, CANVAS_HEIGHT, bytes.data(), &info, DIB_RGB_COLORS) != CANVAS_HEIGHT)
    bytes.clear();
  ReleaseDC(nullptr, screen);
  if (HWND preview = FindWindowA(nullptr, "画像の取込後保存")) DestroyWindow(preview);
  PumpMessages();
  return bytes;
}
