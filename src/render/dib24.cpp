#include "dib24.h"

#include "paint_clock.h"
#include "row_stride.h"
#include "texts.h"

int PaddedWidth(int width) { return (width / 4 + 1) * 4; }

namespace {

bool IsWhite(const unsigned char *p) { return p[0] == 255 && p[1] == 255 && p[2] == 255; }
bool IsBlack(const unsigned char *p) { return p[0] == 0 && p[1] == 0 && p[2] == 0; }

}  // namespace

bool IsTransparentPixel(const unsigned char *pixel) { return IsWhite(pixel); }

bool TakesPartColour(const unsigned char *pixel, int layer) {
  return layer == 1 ? !IsBlack(pixel) && !IsWhite(pixel) : IsBlack(pixel);
}

HBITMAP CreateDib24(int width, int height, Pixels24 *pixels, Failure *failure) {
  StageScope stage(STAGE_IMAGES);
  *pixels = Pixels24{nullptr, 0, width, height};
  long long stride = RowStride(width);
  HBITMAP bitmap = nullptr;
  if (width > 0 && height > 0 && stride * height <= DIB24_MAX_BYTES) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // positive: bottom row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    // With DIB_RGB_COLORS a DIB section takes nothing from a device context.
    void *bits = nullptr;
    bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap) *pixels = Pixels24{static_cast<unsigned char *>(bits), static_cast<int>(stride), width, height};
  }
  if (!bitmap) NoteFailure(failure, TEXT_NO_DIB, CAPTION_DEBUG);
  return bitmap;
}

void RecolourPixels(unsigned char *pixels, std::size_t byteCount, int blue, int green, int red,
                    int layer) {
  for (std::size_t o = 0; o + 3 <= byteCount; o += 3) {
    unsigned char *p = pixels + o;
    if (TakesPartColour(p, layer)) {
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
  for (std::size_t i = 0; i < count; ++i) mask[i] = !IsTransparentPixel(pixels + i * 3);
  return mask;
}

int FindFirstColour(const unsigned char *pixels, int stride, int width, int height, int *blue,
                    int *green, int *red) {
  for (int row = 0; row < height; ++row) {
    const unsigned char *p = pixels + static_cast<std::ptrdiff_t>(row) * stride;
    for (int column = 0; column < width; ++column, p += 3) {
      if (IsWhite(p) || IsBlack(p)) continue;
      *blue = p[0];
      *green = p[1];
      *red = p[2];
      return 1;
    }
  }
  return 0;
}
