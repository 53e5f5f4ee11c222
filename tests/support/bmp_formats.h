// BMP files of every format a part file may have, as bytes. Platform-free:
// the tests write them as fixtures and the fuzzer starts from them.
#pragma once

#include <cstdint>
#include <vector>

// The bytes of a BMP file: headers of infoSize bytes (12 or 40), tableBytes
// of colour table (left 0), then rows of width x bits pixels (left 0).
std::vector<std::uint8_t> BmpBytes(int width, int height, int bits, int infoSize = 40,
                                   int tableBytes = 0, int compression = 0);

// A format the program reads: its information header kind, bits per pixel,
// compression, colour table (or bit masks) and rows. A negative height
// stores rows top first.
struct BmpFormat {
  const char *name;
  int infoSize, bits, compression, height;
  std::vector<std::uint32_t> table;  // colours 0xRRGGBB, or the red, green, blue masks
  // Wine's loader reads no 52 or 56-byte header and gives top-down rows as
  // black: such a file is checked against the same picture stored bottom-up
  // with a 40-byte header, read by the platform.
  bool platformReads = true;
};

// Every format the program reads, each once.
const std::vector<BmpFormat> &BmpFormats();

// A file of format f, width pixels wide, whose pixels hold scrambled raw
// values (colour indexes, 16 or 32-bit words, or blue, green, red) that
// depend on x, y and f.bits only: two formats with the same bits per pixel
// describe the same picture.
std::vector<std::uint8_t> FormatBytes(const BmpFormat &f, int width);
