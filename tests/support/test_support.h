// Fixtures shared by the tests: temporary folders, small bitmap files, and
// pumping the message queue of a window under test.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

// A new empty folder below the temporary folder, removed with everything in
// it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir &) = delete;
  TempDir &operator=(const TempDir &) = delete;
  const std::string &path() const { return path_; }
  std::string operator/(const std::string &name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

// A 24-bit pixel as it is stored: blue, green, red.
struct Bgr {
  std::uint8_t blue, green, red;
};
inline bool operator==(Bgr a, Bgr b) { return a.blue == b.blue && a.green == b.green && a.red == b.red; }
const Bgr WHITE = {255, 255, 255};
const Bgr BLACK = {0, 0, 0};

// Writes a 24-bit BMP file whose pixel (x, y), y from the top, is pixel(x, y).
void WriteTestBmp(const std::string &path, int width, int height,
                  const std::function<Bgr(int x, int y)> &pixel);

// Keeps a process-wide record (a hook, baseDir, the catalogue) as it was
// and gives it back when the object goes, however the test ends: a failed
// ASSERT returns early. ScopedSwap keep(global, value) also sets it.
template <typename T>
class ScopedSwap {
 public:
  explicit ScopedSwap(T &global) : global_(global), saved_(global) {}
  ScopedSwap(T &global, T value) : ScopedSwap(global) { global_ = value; }
  ~ScopedSwap() { global_ = saved_; }
  ScopedSwap(const ScopedSwap &) = delete;
  ScopedSwap &operator=(const ScopedSwap &) = delete;

 private:
  T &global_;
  T saved_;
};
// Arrays (baseDir, PartList) are kept byte for byte.
template <typename T, std::size_t N>
class ScopedSwap<T[N]> {
 public:
  explicit ScopedSwap(T (&global)[N]) : global_(global) { std::memcpy(saved_, global, sizeof saved_); }
  ~ScopedSwap() { std::memcpy(global_, saved_, sizeof saved_); }
  ScopedSwap(const ScopedSwap &) = delete;
  ScopedSwap &operator=(const ScopedSwap &) = delete;

 private:
  T (&global_)[N];
  T saved_[N];
};

// Writes bytes to a file as they are.
void WriteFileBytes(const std::string &path, const std::vector<std::uint8_t> &bytes);

// Reads a whole file; empty when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::string &path);

bool FileExists(const std::string &path);

// The names in a folder, sorted, without "." and "..".
std::vector<std::string> FolderNames(const std::string &folder);

// Records every failure message instead of showing a box, while it lives.
struct ShownFailure {
  HWND owner;
  std::string text;
  std::string caption;
};
class FailureLog {
 public:
  FailureLog();
  ~FailureLog();
  FailureLog(const FailureLog &) = delete;
  FailureLog &operator=(const FailureLog &) = delete;
  const std::vector<ShownFailure> &entries() const;
};

// Handles every message waiting for this thread.
void PumpMessages();

// The colour of a pixel of a device context, as blue, green, red.
Bgr PixelAt(HDC dc, int x, int y);

// 保存's capture of editor's canvas, as the preview paints it 1:1 and 保存
// writes it: 80 x 100 pixels, bottom row first; empty when there is none.
// The preview it opens is closed again.
std::vector<std::uint8_t> SavedCanvasPixels(HWND editor);
