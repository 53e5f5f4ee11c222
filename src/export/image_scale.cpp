#include "image_scale.h"

#include <cstring>

namespace {

// image with every pixel made a scale x scale block (nearest neighbour).
CanvasImage ScaleCanvasImage(const CanvasImage &image, int scale) {
  CanvasImage scaled;
  scaled.width = image.width * scale;
  scaled.height = image.height * scale;
  scaled.pixels.resize(static_cast<std::size_t>(scaled.width) * scaled.height * 4);
  for (int y = 0; y < scaled.height; ++y)
    for (int x = 0; x < scaled.width; ++x)
      std::memcpy(&scaled.pixels[(static_cast<std::size_t>(y) * scaled.width + x) * 4],
                  &image.pixels[(static_cast<std::size_t>(y / scale) * image.width + x / scale) * 4], 4);
  return scaled;
}

}  // namespace

int ScaledCanvasImage(HWND editor, int scale, CanvasImage *scaled, Failure *failure) {
  CanvasImage image;
  if (!RenderCanvasImage(editor, &image, failure)) return 0;
  *scaled = ScaleCanvasImage(image, scale);
  return 1;
}
