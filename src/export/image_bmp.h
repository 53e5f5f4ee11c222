// The picture as a BMP file's bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "canvas_image.h"

// The bytes of a 24-bit BMP file of image, the transparent pixels white.
std::vector<std::uint8_t> BmpFileOf(const CanvasImage &image);
