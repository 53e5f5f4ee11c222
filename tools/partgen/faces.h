// The face outlines. The other parts are sized against the first face, the
// one a new portrait starts from, so its shape is shared here.
#pragma once

// A face symmetric about the canvas's centre line: its half-width from the
// crown (top) through the widest row (middle) to the chin (bottom). Each
// half is a superellipse quarter: power 2 is round, more is squarer, less is
// more pointed. The chin keeps a flat part chinHalfWidth wide.
struct FaceShape {
  double top, middle, bottom;
  double halfWidth;
  double upperPower, lowerPower;
  double chinHalfWidth;
};

// Half-width of the face at height y; 0 above the crown and below the chin.
double FaceHalfWidth(const FaceShape &face, double y);

// Whether the point (x, y) of the 80 x 100 canvas lies inside the face.
bool InFace(const FaceShape &face, double x, double y);

// The first face: the portrait a user builds with no moving is made on it.
extern const FaceShape STANDARD_FACE;
