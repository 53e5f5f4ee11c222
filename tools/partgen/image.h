// A 24-bit picture held in memory while it is drawn, and its file forms.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
  std::uint8_t red, green, blue;
};

inline bool operator==(Rgb a, Rgb b) { return a.red == b.red && a.green == b.green && a.blue == b.blue; }

struct Image {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // top row first

  Image(int w, int h, Rgb fill);
  Rgb &at(int x, int y) { return pixels[y * width + x]; }
  Rgb at(int x, int y) const { return pixels[y * width + x]; }
  void set(int x, int y, Rgb colour);  // ignores points outside
};

// Writes an uncompressed 24-bit BMP file. Returns false when it could not.
bool WriteBmp24(const std::string &path, const Image &image);

// Builds a picture from rows of characters, one character a pixel, looked up
// in a key of character-colour pairs. Unknown characters are white.
Image ImageFromText(const std::vector<std::string> &rows, const std::vector<std::pair<char, Rgb>> &key);
