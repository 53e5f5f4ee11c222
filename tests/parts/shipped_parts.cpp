#include "parts/shipped_parts.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "catalogue.h"
#include "portrait.h"
#include "selection.h"

namespace {

std::uint32_t Read32(const std::vector<std::uint8_t> &bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t Read16(const std::vector<std::uint8_t> &bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8;
}

}  // namespace

PartBitmap ReadPartBitmap(const std::string &path) {
  PartBitmap bitmap;
  std::vector<std::uint8_t> bytes = ReadFileBytes(path);
  if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') {
    bitmap.problem = "not a BMP file";
    return bitmap;
  }
  std::int32_t width = Read32(bytes, 18), height = Read32(bytes, 22);
  std::uint32_t offset = Read32(bytes, 10);
  if (Read32(bytes, 14) != 40 || Read16(bytes, 26) != 1 || Read16(bytes, 28) != 24 || Read32(bytes, 30) != 0) {
    bitmap.problem = "not an uncompressed 24-bit bitmap with a 40-byte header";
    return bitmap;
  }
  if (width <= 0 || height <= 0 || width > 1000 || height > 1000) {
    bitmap.problem = "size " + std::to_string(width) + " x " + std::to_string(height) + " (rows must be bottom-up)";
    return bitmap;
  }
  size_t rowSize = (width * 3 + 3) / 4 * 4;
  if (offset < 54 || bytes.size() < offset + rowSize * height) {
    bitmap.problem = "truncated pixel data";
    return bitmap;
  }
  bitmap.width = width;
  bitmap.height = height;
  for (int y = 0; y < height; ++y) {
    const std::uint8_t *row = &bytes[offset + (height - 1 - y) * rowSize];
    for (int x = 0; x < width; ++x) bitmap.pixels.push_back({row[x * 3], row[x * 3 + 1], row[x * 3 + 2]});
  }
  return bitmap;
}

std::string ShippedPartPath(const std::string &name) { return std::string(baseDir) + "\\kao\\" + name; }

std::vector<std::string> ShippedPartNames() { return FolderNames(std::string(baseDir) + "\\kao"); }

PartPosition DefaultPosition(const std::string &name, int width, int height) {
  int category = PartNameCategory(name.c_str());
  if (category == CAT_BACK_HAIR) return {0, 0, false};
  Placement placement;
  if (category == CAT_OTHER) {
    std::string path = PART_FOLDER_PREFIX + name;
    placement = PiecePlacement(OtherPieceKind(path.c_str()), width, height);
  } else {
    placement = DefaultPlacement(category, width, height);
  }
  return {placement.x, placement.y, placement.mode == MODE_PAIR};
}
