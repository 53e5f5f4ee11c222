// The face outlines. Beards are drawn along the jaw of the faces they are
// made for, so those outlines are shared here.
#pragma once

#include <vector>

#include "draw.h"

// A face symmetric about the canvas's centre line, given by points on its
// left side from the crown down to the chin as (half-width, height): the
// outline runs smoothly through them and their mirror images.
struct FaceShape {
  std::vector<Point> outline;  // the closed outline on the canvas
};

FaceShape MakeFaceShape(const std::vector<Point> &side);

// Whether the point (x, y) of the 80 x 100 canvas lies inside the face.
bool InFace(const FaceShape &face, double x, double y);

// Inside the face grown by grow pixels all round (shrunk for less than 0).
bool InGrownFace(const FaceShape &face, double x, double y, double grow);

// The first face: the portrait a user builds with no moving is made on it.
extern const FaceShape STANDARD_FACE;
// Faces some beards are made for.
extern const FaceShape SQUARE_FACE;
extern const FaceShape ROUND_FACE;
extern const FaceShape LONG_FACE;
