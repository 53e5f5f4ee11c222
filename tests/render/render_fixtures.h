// Fixtures for drawing tests: a part folder made as baseDir, a 24-bit
// drawing surface with a window to own it, a recorder of failure messages
// and a count of free GDI handles.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "failure.h"
#include "portrait.h"
#include "support/test_support.h"

// A temporary folder with a kao folder in it, made baseDir while it lives.
class PartFolder {
 public:
  PartFolder() {
    CreateDirectoryA((dir_ / "kao").c_str(), nullptr);
    lstrcpynA(baseDir, dir_.path().c_str(), sizeof baseDir);
  }
  // The full path of a path relative to the folder, e.g. kao\kao-3-001.bmp.
  std::string operator/(const std::string &relative) const { return dir_ / relative; }
  // Writes a part file of one colour with a different pixel where marked.
  void Write(const std::string &relative, int width, int height,
             const std::function<Bgr(int x, int y)> &pixel) const {
    WriteTestBmp(dir_ / relative, width, height, pixel);
  }

 private:
  TempDir dir_;
  ScopedSwap<char[DIR_PATH_SIZE]> keepBase_{baseDir};
};

// A 24-bit DIB section of width x height selected into a memory context,
// filled with one colour, and a hidden window of the same client size that
// owns the messages and gives the client area the drawing is clipped to.
class Surface {
 public:
  Surface(int width, int height, Bgr fill = Bgr{200, 100, 50}) : width_(width), height_(height) {
    window_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, width, height, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first, for easy reading
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void **>(&bits_),
                               nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
    Fill(fill);
  }
  ~Surface() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
    DestroyWindow(window_);
  }
  Surface(const Surface &) = delete;
  Surface &operator=(const Surface &) = delete;

  HWND window() const { return window_; }
  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void Fill(Bgr colour) {
    GdiFlush();
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) Put(x, y, colour);
  }
  void Put(int x, int y, Bgr colour) {
    unsigned char *p = bits_ + Stride() * y + x * 3;
    p[0] = colour.blue;
    p[1] = colour.green;
    p[2] = colour.red;
  }
  Bgr At(int x, int y) const {
    GdiFlush();
    const unsigned char *p = bits_ + Stride() * y + x * 3;
    return Bgr{p[0], p[1], p[2]};
  }
  // Pixels of colour in the rectangle [left, right) x [top, bottom).
  int Count(Bgr colour, int left, int top, int right, int bottom) const {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) n += At(x, y) == colour;
    return n;
  }
  int Count(Bgr colour) const { return Count(colour, 0, 0, width_, height_); }
  // The smallest rectangle holding every pixel of colour; empty when none.
  RECT Extent(Bgr colour) const {
    RECT r = {width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        if (At(x, y) == colour) {
          r.left = std::min<LONG>(r.left, x);
          r.top = std::min<LONG>(r.top, y);
          r.right = std::max<LONG>(r.right, x + 1);
          r.bottom = std::max<LONG>(r.bottom, y + 1);
        }
    if (r.right == 0) r = RECT{0, 0, 0, 0};
    return r;
  }

 private:
  int Stride() const { return (width_ * 3 + 3) / 4 * 4; }
  int width_, height_;
  HWND window_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
  unsigned char *bits_ = nullptr;
};

inline bool operator==(const RECT &a, const RECT &b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}


// How many GDI objects can still be made: made one by one until the
// platform refuses, then all released. A leak of n objects anywhere in the
// process shows as n fewer. (GetGuiResources does not count under Wine.)
inline int FreeGdiHandles() {
  std::vector<HBITMAP> made;
  for (;;) {
    HBITMAP bitmap = CreateBitmap(1, 1, 1, 1, nullptr);
    if (!bitmap) break;
    made.push_back(bitmap);
    if (made.size() > 200000) break;
  }
  for (HBITMAP bitmap : made) DeleteObject(bitmap);
  return static_cast<int>(made.size());
}
