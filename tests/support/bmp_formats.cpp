#include "support/bmp_formats.h"

#include "part_decode.h"

namespace {

void Put(std::vector<std::uint8_t> &b, int at, std::uint32_t v, int n) {
  for (int i = 0; i < n; ++i) b[at + i] = (v >> (8 * i)) & 0xFF;
}

}  // namespace

std::vector<std::uint8_t> BmpBytes(int width, int height, int bits, int infoSize, int tableBytes,
                                   int compression) {
  int row = (width * bits + 31) / 32 * 4;
  int offset = 14 + infoSize + tableBytes;
  std::vector<std::uint8_t> b(offset + row * (height < 0 ? -height : height), 0);
  b[0] = 'B';
  b[1] = 'M';
  Put(b, 2, b.size(), 4);
  Put(b, 10, offset, 4);
  Put(b, 14, infoSize, 4);
  if (infoSize == 12) {
    Put(b, 18, width, 2), Put(b, 20, height, 2), Put(b, 22, 1, 2), Put(b, 24, bits, 2);
  } else {
    Put(b, 18, width, 4), Put(b, 22, height, 4), Put(b, 26, 1, 2), Put(b, 28, bits, 2);
    Put(b, 30, compression, 4);
  }
  return b;
}

const std::vector<BmpFormat> &BmpFormats() {
  static const std::vector<BmpFormat> formats = [] {
    const int RGB = PART_BI_RGB, FIELDS = PART_BI_BITFIELDS;
    std::vector<std::uint32_t> palette16, palette256;
    for (std::uint32_t i = 0; i < 256; ++i) palette256.push_back(i * 0x010305 * 7 & 0xFFFFFF);
    palette16.assign(palette256.begin(), palette256.begin() + 16);
    return std::vector<BmpFormat>{
        {"1 bit, black and white", 40, 1, RGB, 6, {0x000000, 0xFFFFFF}},
        {"1 bit, two colours", 40, 1, RGB, 6, {0x12AB34, 0xFE0102}},
        {"1 bit, core", 12, 1, RGB, 6, {0xFFFFFF, 0x000000}},
        {"4 bits", 40, 4, RGB, 6, palette16},
        {"4 bits, 5 colours used", 40, 4, RGB, 6, {1, 0xFF, 0xFF00, 0xFF0000, 0x808080}},
        {"4 bits, core", 12, 4, RGB, 6, palette16},
        {"8 bits", 40, 8, RGB, 6, palette256},
        {"8 bits, top row first", 40, 8, RGB, -6, palette256, false},
        {"8 bits, 108-byte header", 108, 8, RGB, 6, palette256},
        {"8 bits, core", 12, 8, RGB, 6, palette256},
        {"16 bits", 40, 16, RGB, 6, {}},
        {"16 bits, 5-6-5", 40, 16, FIELDS, 6, {0xF800, 0x07E0, 0x001F}},
        {"16 bits, 4-4-4", 40, 16, FIELDS, 6, {0x0F00, 0x00F0, 0x000F}},
        {"16 bits, 5-6-5, 56-byte header", 56, 16, FIELDS, 6, {0xF800, 0x07E0, 0x001F}, false},
        {"24 bits", 40, 24, RGB, 6, {}},
        {"24 bits, top row first", 40, 24, RGB, -6, {}, false},
        {"24 bits, core", 12, 24, RGB, 6, {}},
        {"24 bits, 52-byte header", 52, 24, RGB, 6, {}, false},
        {"24 bits, 124-byte header", 124, 24, RGB, 6, {}},
        {"32 bits", 40, 32, RGB, 6, {}},
        {"32 bits, fields", 40, 32, FIELDS, 6, {0xFF000000, 0x00FF0000, 0x0000FF00}},
        {"32 bits, 10-bit fields", 124, 32, FIELDS, 6, {0x3FF00000, 0x000FFC00, 0x000003FF}},
        {"32 bits, top row first", 108, 32, FIELDS, -6, {0xFF0000, 0xFF00, 0xFF}, false},
    };
  }();
  return formats;
}

namespace {

std::uint32_t RawPixel(int bits, int x, int y) {
  std::uint32_t v = (x * 2654435761u) ^ (y * 40503u + 0x9E3779B9u);
  v ^= v >> 13;
  return bits < 32 ? v & ((1u << bits) - 1) : v;
}

}  // namespace

std::vector<std::uint8_t> FormatBytes(const BmpFormat &f, int width) {
  int rows = f.height < 0 ? -f.height : f.height;
  int rowSize = (width * f.bits + 31) / 32 * 4;
  bool core = f.infoSize == 12;
  bool fields = f.compression == static_cast<int>(PART_BI_BITFIELDS);
  int tableBytes = fields && f.infoSize > 40 ? 0 : static_cast<int>(f.table.size()) * (core ? 3 : 4);
  int offset = 14 + f.infoSize + tableBytes;
  std::vector<std::uint8_t> b(offset + rowSize * rows, 0);
  b[0] = 'B', b[1] = 'M';
  Put(b, 2, b.size(), 4);
  Put(b, 10, offset, 4);
  Put(b, 14, f.infoSize, 4);
  if (core) {
    Put(b, 18, width, 2), Put(b, 20, rows, 2), Put(b, 22, 1, 2), Put(b, 24, f.bits, 2);
  } else {
    Put(b, 18, width, 4), Put(b, 22, f.height, 4), Put(b, 26, 1, 2), Put(b, 28, f.bits, 2);
    Put(b, 30, f.compression, 4);
    if (f.bits <= 8) Put(b, 46, f.table.size(), 4);
  }
  for (std::size_t i = 0; i < f.table.size(); ++i) {
    if (fields)
      Put(b, 14 + 40 + 4 * static_cast<int>(i), f.table[i], 4);
    else
      Put(b, 14 + f.infoSize + static_cast<int>(i) * (core ? 3 : 4), f.table[i], core ? 3 : 4);
  }
  for (int r = 0; r < rows; ++r)
    for (int x = 0; x < width; ++x) {
      int y = f.height < 0 ? r : rows - 1 - r;  // y from the top
      std::uint32_t v = RawPixel(f.bits, x, y);
      int at = offset + r * rowSize;
      if (f.bits < 8)
        b[at + x * f.bits / 8] |= static_cast<std::uint8_t>(v << (8 - f.bits - x * f.bits % 8));
      else
        Put(b, at + x * f.bits / 8, v, f.bits / 8);
    }
  return b;
}
