#include "render/dib24.h"

#include "render/paint_failure.h"
#include "res/texts.h"

int PaddedWidth(int width) { return (width / 4 + 1) * 4; }

static bool IsWhite(const unsigned char *p) { return p[0] == 255 && p[1] == 255 && p[2] == 255; }
static bool IsBlack(const unsigned char *p) { return p[0] == 0 && p[1] == 0 && p[2] == 0; }

int CreateDib24(HWND window, HBITMAP *bitmap, void **pixels, int width, int height) {
  if (width & 3) return 0;
  *bitmap = nullptr;
  bool sensible = width > 0 && height > 0 &&
                  static_cast<long long>(width) * height * 3 <= DIB24_MAX_BYTES;
  if (sensible) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // positive: bottom row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    HDC windowDC = GetDC(window);
    *bitmap = CreateDIBSection(windowDC, &info, DIB_RGB_COLORS, pixels, nullptr, 0);
    ReleaseDC(window, windowDC);
  }
  if (!*bitmap) {
    *pixels = nullptr;
    ShowPaintFailure(window, TEXT_NO_DIB, CAPTION_DEBUG);
  }
  return 1;
}

void RecolourPixels(unsigned char *pixels, std::size_t byteCount, int blue, int green, int red,
                    int layer) {
  for (std::size_t o = 0; o + 3 <= byteCount; o += 3) {
    unsigned char *p = pixels + o;
    bool paint = layer == 1 ? !IsBlack(p) && !IsWhite(p) : IsBlack(p);
    if (paint) {
      p[0] = static_cast<unsigned char>(blue);
      p[1] = static_cast<unsigned char>(green);
      p[2] = static_cast<unsigned char>(red);
    }
  }
}

std::vector<unsigned char> MaskOpaquePixels(const unsigned char *pixels, int paddedWidth,
                                            int height) {
  std::size_t count = static_cast<std::size_t>(paddedWidth) * height;
  std::vector<unsigned char> mask(count);
  for (std::size_t i = 0; i < count; ++i) mask[i] = !IsWhite(pixels + i * 3);
  return mask;
}
