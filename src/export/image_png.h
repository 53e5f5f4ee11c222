// The picture as a PNG file's bytes, through the platform's imaging
// component (WIC).
#pragma once

#include <cstdint>
#include <vector>

#include "canvas_image.h"

// The bytes of a PNG file of image: 32-bit with its alpha when transparent,
// else 24-bit. Returns 0, with "PNG画像を作れませんでした。" kept in
// *failure, when the imaging component cannot make one.
int PngFileOf(const CanvasImage &image, bool transparent, std::vector<std::uint8_t> *png, Failure *failure);
