#include "display_scale.h"

#include <algorithm>

int UsableDpi(int dpi) { return std::min(std::max(dpi, BASE_DPI), DPI_MAX); }

int ScaledLength(int dpi, int length) { return MulDiv(length, dpi, BASE_DPI); }

POINT ScaledPoint(int dpi, POINT p) { return {ScaledLength(dpi, p.x), ScaledLength(dpi, p.y)}; }

RECT ScaledRect(int dpi, const RECT &r) {
  return {ScaledLength(dpi, r.left), ScaledLength(dpi, r.top), ScaledLength(dpi, r.right),
          ScaledLength(dpi, r.bottom)};
}

int PictureScale(int dpi) { return std::max(UsableDpi(dpi) / BASE_DPI, 1); }

POINT PictureOrigin(int dpi, const RECT &place, int scale) {
  RECT scaled = ScaledRect(dpi, place);
  long spareX = (scaled.right - scaled.left) - scale * (place.right - place.left);
  long spareY = (scaled.bottom - scaled.top) - scale * (place.bottom - place.top);
  return {scaled.left + std::max(spareX, 0L) / 2, scaled.top + std::max(spareY, 0L) / 2};
}
