// Drawing on part pictures: 1-pixel lines, filled shapes with a black border,
// mirroring and stamping. Nothing is anti-aliased: every pixel drawn has
// exactly one of the colours given, so the program's colour rules hold.
#pragma once

#include <functional>
#include <vector>

#include "image.h"

// The colours every part shares. INK is what the program recolours with the
// part's colour; PAPER is transparent.
const Rgb INK = {0, 0, 0};
const Rgb PAPER = {255, 255, 255};
// The face's fill: the colour the program gives a new face (red 255, green
// 255, blue 128).
const Rgb SKIN = {255, 255, 128};
// The ears' outline and inner folds: a dark shade that keeps its look, so
// that the ears' fill, INK, takes the part's colour as the face's fill
// takes the face's, and an ear given the face's colour matches it.
const Rgb EAR_LINE = {48, 28, 20};
// Fixed colours: they keep their look whatever colour the part is given.
const Rgb EYE_WHITE = {224, 234, 250};
const Rgb LID = {90, 55, 45};
const Rgb PUPIL = {60, 45, 50};
const Rgb LIP = {214, 70, 80};
const Rgb MOUTH_INSIDE = {120, 35, 45};
const Rgb TONGUE = {240, 120, 130};
const Rgb BLUSH = {255, 160, 170};
const Rgb GOLD = {230, 180, 40};
const Rgb WATER = {120, 190, 250};
const Rgb LENS_DARK = {50, 60, 100};
const Rgb LENS_GLINT = {170, 210, 250};
const Rgb PLASTER = {240, 200, 150};
const Rgb FRECKLE = {190, 120, 70};
const Rgb RED = {220, 40, 50};

struct Point {
  double x, y;
};

// A shape given by whether a point (pixel centres are at +0.5) lies inside.
using Region = std::function<bool(double x, double y)>;

// Fills every pixel whose centre lies in the region; the region's own pixels
// that touch a pixel outside it (left, right, above or below) become its
// border. The border is a 1-pixel line with no gaps.
void FillRegion(Image &image, const Region &inside, Rgb fill, Rgb border);

// The same with no border: every pixel inside gets fill.
void PaintRegion(Image &image, const Region &inside, Rgb fill);

// Only the border of the region, leaving its inside as it was.
void OutlineRegion(Image &image, const Region &inside, Rgb border);

// A line from pixel to pixel, every step to one of the 8 neighbours.
void DrawLine(Image &image, int x0, int y0, int x1, int y1, Rgb colour);

// Lines through the points, rounded to pixels, joined end to end.
void DrawPolyline(Image &image, const std::vector<Point> &points, Rgb colour);

// A quadratic curve from a to c pulled toward b, drawn as a polyline.
void DrawCurve(Image &image, Point a, Point b, Point c, Rgb colour);

// Points of that curve, for shapes built from curves.
std::vector<Point> CurvePoints(Point a, Point b, Point c, int steps);

// Like DrawLine and DrawCurve, but only over pixels that already have the
// colour over: shading drawn inside a shape never leaves it.
void DrawLineOver(Image &image, int x0, int y0, int x1, int y1, Rgb colour, Rgb over);
void DrawCurveOver(Image &image, Point a, Point b, Point c, Rgb colour, Rgb over);

// Copies the left half onto the right half mirrored, column c to width-1-c:
// shapes drawn on one side come out symmetric about the centre line.
void MirrorLeftHalf(Image &image);

// Copies every pixel of part that is not PAPER onto image at (x, y).
void Stamp(Image &image, const Image &part, int x, int y);

// Inside an axis-aligned ellipse with the given centre and radii.
bool InEllipse(double x, double y, double cx, double cy, double rx, double ry);

// The height at x of the line through the points (given left to right):
// straight between them, or eased so that the line is smooth at each point.
// Beyond the first or last point the line stays level.
double LineThrough(const std::vector<Point> &points, double x, bool smooth);
