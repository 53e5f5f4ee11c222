// Reading the part library the build put in the program folder. The tests
// of this folder run with the program folder as their working directory,
// as the program does, so baseDir is that folder.
#pragma once

#include <string>
#include <vector>

#include "support/test_support.h"

// A part file read byte by byte as a 24-bit bitmap.
struct PartBitmap {
  std::string problem;  // empty when the file is a readable 24-bit BMP
  int width = 0;
  int height = 0;
  std::vector<Bgr> pixels;  // top row first
  Bgr at(int x, int y) const { return pixels[y * width + x]; }
};

PartBitmap ReadPartBitmap(const std::string &path);

// The names of the entries of the kao folder, sorted; directories too.
std::vector<std::string> ShippedPartNames();

// baseDir\kao\name.
std::string ShippedPartPath(const std::string &name);

// Where the program puts a new part of this file: the left (or only) copy's
// position on the canvas and whether a mirrored copy goes with it. The back
// hair lies where slot 0 starts, at the canvas corner.
struct PartPosition {
  int x;
  int y;
  bool pair;
};
PartPosition DefaultPosition(const std::string &name, int width, int height);

const int CANVAS_W = 80;
const int CANVAS_H = 100;
