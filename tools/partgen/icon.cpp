#include "icon.h"

#include <cstdio>
#include <map>

namespace {

// The program icon: a smiling caricature head on a transparent ground.
const std::vector<std::string> ICON_ROWS = {
    "................................",
    "..........hhhhhhhhhhh...........",
    "........hhhhhhhhhhhhhhh.........",
    "......hhhhhhhhhhhhhhhhhhh.......",
    ".....hhhhhhhhhhhhhhhhhhhhh......",
    "....hhhhhhhhhhhhhhhhhhhhhhh.....",
    "....hhhhhkkkkkkkkkkkkkhhhhhh....",
    "...hhhhkkssssssssssssskkhhhh....",
    "...hhhkssssssssssssssssskhhh....",
    "...hhksssssssssssssssssssskh....",
    "...hhkssskkkksssssskkkksssskh...",
    "..kkhkssssssssssssssssssssskkk..",
    ".ksskssskkksssssssskkkssssskssk.",
    ".kssksskwwkksssssskwwkkssssksssk",
    ".ksskssskkksssssssskkksssssksssk",
    ".ksskssssssssssssssssssssssksssk",
    "..kkkssssssssskssssssssssssskkk.",
    "....ksssssssssksssssssssssssk...",
    "....kssssssssskkssssssssssssk...",
    "....kssprrsssssssssssssrrpssk...",
    ".....ksssssssssssssssssssssk....",
    ".....kssssskssssssssskssssk.....",
    "......ksssssksssssssksssssk.....",
    "......kssssssskkkkkksssssk......",
    ".......kssssssssssssssssk.......",
    "........ksssssssssssssk.........",
    ".........kksssssssssskk.........",
    "...........kkkkkkkkkk...........",
    "................................",
    "................................",
    "................................",
    "................................",
};

const std::map<char, Rgb> ICON_KEY = {
    {'h', {92, 56, 32}},   {'k', {0, 0, 0}},     {'s', {255, 224, 189}},
    {'w', {255, 255, 255}}, {'r', {240, 140, 140}}, {'p', {250, 180, 170}},
};

void Put16(std::FILE *file, unsigned value) {
  std::fputc(value & 0xFF, file);
  std::fputc((value >> 8) & 0xFF, file);
}

void Put32(std::FILE *file, unsigned value) {
  Put16(file, value & 0xFFFF);
  Put16(file, value >> 16);
}

}  // namespace

bool WriteProgramIcon(const std::string &path) {
  const int size = 32;
  // Palette: index 0 is the transparent ground, then the key's colours.
  std::vector<Rgb> palette = {{0, 0, 0}};
  std::map<char, int> indexOf;
  for (const auto &entry : ICON_KEY) {
    indexOf[entry.first] = palette.size();
    palette.push_back(entry.second);
  }
  const unsigned headerSize = 40, paletteSize = 256 * 4;
  const unsigned pixelSize = size * size, maskSize = size * 4;
  const unsigned imageSize = headerSize + paletteSize + pixelSize + maskSize;

  std::FILE *file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  // ICONDIR and its one ICONDIRENTRY.
  Put16(file, 0);
  Put16(file, 1);
  Put16(file, 1);
  std::fputc(size, file);
  std::fputc(size, file);
  std::fputc(0, file);  // 0 means 256 colours
  std::fputc(0, file);
  Put16(file, 1);
  Put16(file, 8);
  Put32(file, imageSize);
  Put32(file, 6 + 16);
  // BITMAPINFOHEADER: the height counts the colour image and the mask.
  Put32(file, headerSize);
  Put32(file, size);
  Put32(file, size * 2);
  Put16(file, 1);
  Put16(file, 8);
  for (int i = 0; i < 6; ++i) Put32(file, 0);
  for (int i = 0; i < 256; ++i) {
    Rgb colour = i < static_cast<int>(palette.size()) ? palette[i] : Rgb{0, 0, 0};
    std::fputc(colour.blue, file);
    std::fputc(colour.green, file);
    std::fputc(colour.red, file);
    std::fputc(0, file);
  }
  for (int y = size - 1; y >= 0; --y)
    for (int x = 0; x < size; ++x) {
      auto found = indexOf.find(ICON_ROWS[y][x]);
      std::fputc(found == indexOf.end() ? 0 : found->second, file);
    }
  for (int y = size - 1; y >= 0; --y) {
    unsigned bits = 0;
    for (int x = 0; x < size; ++x)
      if (!indexOf.count(ICON_ROWS[y][x])) bits |= 0x80000000u >> x;
    std::fputc(bits >> 24, file);
    std::fputc((bits >> 16) & 0xFF, file);
    std::fputc((bits >> 8) & 0xFF, file);
    std::fputc(bits & 0xFF, file);
  }
  bool written = !std::ferror(file);
  return std::fclose(file) == 0 && written;
}
