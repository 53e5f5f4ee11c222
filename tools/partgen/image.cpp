#include "image.h"

#include <algorithm>
#include <cstdio>

Image::Image(int w, int h, Rgb fill) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}

void Image::set(int x, int y, Rgb colour) {
  if (x >= 0 && y >= 0 && x < width && y < height) at(x, y) = colour;
}

static void Put16(std::vector<std::uint8_t> &out, unsigned value) {
  out.push_back(value & 0xFF);
  out.push_back((value >> 8) & 0xFF);
}

static void Put32(std::vector<std::uint8_t> &out, unsigned value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

bool WriteBmp24(const std::string &path, const Image &image) {
  unsigned rowSize = (image.width * 3 + 3) / 4 * 4;
  unsigned fileSize = 54 + rowSize * image.height;
  std::vector<std::uint8_t> out;
  out.reserve(fileSize);
  out.push_back('B');
  out.push_back('M');
  Put32(out, fileSize);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, image.width);
  Put32(out, image.height);
  Put16(out, 1);
  Put16(out, 24);
  for (int i = 0; i < 6; ++i) Put32(out, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      Rgb p = image.at(x, y);
      out.push_back(p.blue);
      out.push_back(p.green);
      out.push_back(p.red);
    }
    for (unsigned i = image.width * 3; i < rowSize; ++i) out.push_back(0);
  }
  std::FILE *file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
  return std::fclose(file) == 0 && written;
}

Image ImageFromText(const std::vector<std::string> &rows, const std::vector<std::pair<char, Rgb>> &key) {
  int width = 0;
  for (const std::string &row : rows) width = std::max<int>(width, row.size());
  Image image(width, rows.size(), Rgb{255, 255, 255});
  for (size_t y = 0; y < rows.size(); ++y)
    for (size_t x = 0; x < rows[y].size(); ++x)
      for (const auto &entry : key)
        if (entry.first == rows[y][x]) image.at(x, y) = entry.second;
  return image;
}
