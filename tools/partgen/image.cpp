#include "image.h"

#include <algorithm>
#include <cstdio>

#include "bmp_file.h"

Image::Image(int w, int h, Rgb fill) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}

void Image::set(int x, int y, Rgb colour) {
  if (x >= 0 && y >= 0 && x < width && y < height) at(x, y) = colour;
}

bool WriteBmp24(const std::string &path, const Image &image) {
  std::vector<std::uint8_t> out(BmpFileSize(image.width, image.height));
  if (out.empty()) return false;
  WriteBmpHeaders(out.data(), image.width, image.height);
  std::uint32_t rowSize = BmpRowSize(image.width);
  for (int y = 0; y < image.height; ++y) {
    std::uint8_t *row = &out[BMP_HEADER_SIZE + std::size_t(image.height - 1 - y) * rowSize];
    for (int x = 0; x < image.width; ++x) {
      Rgb p = image.at(x, y);
      row[3 * x] = p.blue;
      row[3 * x + 1] = p.green;
      row[3 * x + 2] = p.red;
    }
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
