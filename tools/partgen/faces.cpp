#include "faces.h"

#include <algorithm>
#include <cmath>

#include "parts.h"

const double CENTRE_X = CANVAS_WIDTH / 2.0;

// A Catmull-Rom curve through the side points and, past the crown and the
// chin, their mirror images, so that the outline crosses the centre line
// level and without a kink.
FaceShape MakeFaceShape(const std::vector<Point> &side) {
  std::vector<Point> points;
  for (const Point &p : side) points.push_back({CENTRE_X - p.x, p.y});
  auto mirror = [](Point p) { return Point{CANVAS_WIDTH - p.x, p.y}; };
  std::vector<Point> through = {mirror(points[1])};
  through.insert(through.end(), points.begin(), points.end());
  through.push_back(mirror(points[points.size() - 2]));
  FaceShape face;
  const int steps = 12;
  for (size_t i = 1; i + 2 < through.size(); ++i) {
    const Point &p0 = through[i - 1], &p1 = through[i], &p2 = through[i + 1], &p3 = through[i + 2];
    for (int s = 0; s < steps; ++s) {
      double t = static_cast<double>(s) / steps, t2 = t * t, t3 = t2 * t;
      auto blend = [&](double a, double b, double c, double d) {
        return 0.5 * (2 * b + (c - a) * t + (2 * a - 5 * b + 4 * c - d) * t2 + (3 * b - a - 3 * c + d) * t3);
      };
      face.outline.push_back({blend(p0.x, p1.x, p2.x, p3.x), blend(p0.y, p1.y, p2.y, p3.y)});
    }
  }
  face.outline.push_back(points.back());
  // The right side is the left one mirrored, from the chin back up.
  for (size_t i = face.outline.size() - 1; i-- > 1;) face.outline.push_back(mirror(face.outline[i]));
  return face;
}

namespace {

// Side points of a crown from the top of the head down to its widest place:
// a superellipse quarter, power 2 an ellipse, more squarer, less narrower.
std::vector<Point> Crown(double top, double halfWidth, double widest, double power) {
  std::vector<Point> side;
  for (double a : {0.0, 0.3, 0.55, 0.75, 0.9, 1.0}) {
    double angle = a * 1.5707963267948966;
    side.push_back({halfWidth * std::pow(std::sin(angle), 2 / power),
                    widest - (widest - top) * std::pow(std::cos(angle), 2 / power)});
  }
  return side;
}

// A face: its crown, then the side points below the widest place.
FaceShape Face(double top, double halfWidth, double widest, double power, const std::vector<Point> &lower) {
  std::vector<Point> side = Crown(top, halfWidth, widest, power);
  side.insert(side.end(), lower.begin(), lower.end());
  return MakeFaceShape(side);
}

}  // namespace

bool InFace(const FaceShape &face, double x, double y) {
  bool inside = false;
  const std::vector<Point> &o = face.outline;
  for (size_t i = 0, j = o.size() - 1; i < o.size(); j = i++)
    if ((o[i].y > y) != (o[j].y > y) && x < o[j].x + (o[i].x - o[j].x) * (y - o[j].y) / (o[i].y - o[j].y))
      inside = !inside;
  return inside;
}

namespace {

double DistanceToOutline(const FaceShape &face, double x, double y) {
  double nearest = 1e9;
  const std::vector<Point> &o = face.outline;
  for (size_t i = 0, j = o.size() - 1; i < o.size(); j = i++) {
    double dx = o[i].x - o[j].x, dy = o[i].y - o[j].y;
    double t = std::clamp(((x - o[j].x) * dx + (y - o[j].y) * dy) / (dx * dx + dy * dy + 1e-12), 0.0, 1.0);
    nearest = std::min(nearest, std::hypot(x - o[j].x - t * dx, y - o[j].y - t * dy));
  }
  return nearest;
}

}  // namespace

bool InGrownFace(const FaceShape &face, double x, double y, double grow) {
  bool inside = InFace(face, x, y);
  if (grow >= 0) return inside || DistanceToOutline(face, x, y) <= grow;
  return inside && DistanceToOutline(face, x, y) > -grow;
}

// Every face is 52 to 62 pixels wide at the height of the ears (40 to 57),
// so that any ear joins any face; the faces differ in the crown, the
// cheeks, the jaw, the chin and the neck.
const FaceShape STANDARD_FACE =
    Face(12, 28, 41, 2.2, {{27.5, 52}, {25.5, 63}, {21.5, 73}, {15, 82}, {7, 88.5}, {0, 90}});
const FaceShape SQUARE_FACE =
    Face(12, 28.5, 40, 2.8, {{28.5, 60}, {28, 72}, {26.5, 79.5}, {22, 84.5}, {14, 86.8}, {0, 87.5}});
const FaceShape ROUND_FACE = Face(13, 31.5, 45, 2.2, {{31, 57}, {28.5, 68}, {23, 77}, {14, 83}, {0, 85.5}});
const FaceShape LONG_FACE =
    Face(7, 26.5, 38, 2.2, {{26.5, 52}, {25, 66}, {22, 78}, {16, 88}, {8, 93}, {0, 94.5}});

struct Neck {
  double top;                 // where it starts, hidden behind the jaw
  double halfWidth, flare;    // its half-width under the chin, and how much wider it is at the canvas's bottom
};

struct FaceDrawing {
  FaceShape shape;
  Neck neck;
  void (*details)(Image &image);  // lines inside the face and on the neck, or none
};

namespace {

void NoDetails(Image &) {}

// Lines are drawn only over the skin, so that they never cross the outline.
void Line(Image &image, Point a, Point b, Point c) { DrawCurveOver(image, a, b, c, INK, SKIN); }
void BothSides(Image &image, Point a, Point b, Point c) {
  Line(image, a, b, c);
  auto m = [](Point p) { return Point{CANVAS_WIDTH - p.x, p.y}; };
  Line(image, m(a), m(b), m(c));
}

void ChinDimple(Image &image) { Line(image, {38.5, 81}, {40, 83}, {41.5, 81}); }

void ChinCleft(Image &image) { Line(image, {40, 86}, {39.5, 89}, {40, 91}); }

void CheekLines(Image &image) { BothSides(image, {17, 58}, {20, 65}, {25, 70}); }

void HollowCheeks(Image &image) {
  BothSides(image, {19, 57}, {21, 64}, {21, 72});
  Line(image, {38.5, 96}, {40, 94.5}, {41.5, 96});  // the Adam's apple
}

void DoubleChin(Image &image) {
  Line(image, {32, 84}, {40, 88.5}, {48, 84});
  BothSides(image, {23, 64}, {25, 70}, {27, 73});
}

void Jowls(Image &image) {
  BothSides(image, {18, 80}, {21, 85}, {26, 87.5});
  Line(image, {35, 95}, {40, 96.5}, {45, 95});  // a crease across the neck
}

void BabyCheeks(Image &image) { BothSides(image, {18, 67}, {21, 70.5}, {25, 71}); }

const FaceDrawing FACES[] = {
    {STANDARD_FACE, {80, 10, 3}, NoDetails},  // oval
    {ROUND_FACE, {78, 11, 3}, NoDetails},
    {LONG_FACE, {84, 8.5, 4}, NoDetails},
    {SQUARE_FACE, {80, 12.5, 3}, NoDetails},
    // wide jaw: narrow temples, broad cheeks and jaw
    {Face(14, 26.5, 42, 1.9, {{28.5, 54}, {30.5, 66}, {30, 76}, {25, 83}, {14, 87.5}, {0, 88.5}}), {80, 13.5, 4},
     NoDetails},
    // heart: broad forehead, pointed chin
    {Face(12, 30, 37, 2.4, {{28.5, 50}, {25, 61}, {19.5, 72}, {12.5, 82}, {5, 89.5}, {0, 91.5}}), {82, 9, 3},
     NoDetails},
    // pointed: high cheekbones, a long sharp chin
    {Face(11, 27.5, 50, 1.7, {{24, 63}, {18, 74}, {10, 85}, {3, 92}, {0, 93.5}}), {84, 9, 3}, CheekLines},
    // chubby: full cheeks and a double chin
    {Face(13, 31.5, 58, 2.0, {{31, 70}, {27.5, 80}, {19, 87.5}, {8, 90.5}, {0, 91}}), {80, 15, 4}, DoubleChin},
    // lean: hollow cheeks and a narrow jaw
    {Face(10, 26.5, 40, 2.1, {{26, 52}, {23, 61}, {21.5, 70}, {19, 79}, {13.5, 87}, {5, 91}, {0, 91.5}}),
     {82, 8, 4}, HollowCheeks},
    // baby: a big round crown, round cheeks and a small low chin
    {Face(8, 31, 40, 2.0, {{30, 56}, {28.5, 66}, {24, 74}, {15, 80.5}, {6, 83.5}, {0, 84}}), {76, 9.5, 2},
     BabyCheeks},
    // elderly: a softer jaw line with jowls
    {Face(12, 27, 42, 2.1, {{27, 56}, {26.5, 68}, {26.5, 78}, {24, 85}, {16, 89.5}, {6, 91}, {0, 91.2}}),
     {82, 8.5, 5}, Jowls},
    // strong chin with a cleft
    {Face(12, 28, 42, 2.2, {{27, 58}, {24, 68}, {19.5, 77}, {17, 84}, {16, 89}, {12, 92.5}, {5, 93.5}, {0, 93.7}}),
     {82, 11, 3}, ChinCleft},
    // lantern jaw: a long jutting chin wider than the cheeks
    {Face(11, 27, 42, 2.2, {{25.5, 56}, {24, 66}, {24.5, 77}, {23.5, 86}, {18, 93}, {8, 95.5}, {0, 96}}),
     {84, 11, 3}, NoDetails},
    // broad: wide and short, with a flat chin
    {Face(13, 31, 44, 2.6, {{31, 60}, {30, 72}, {27, 79}, {19, 83.5}, {8, 85}, {0, 85.2}}), {78, 13, 3},
     ChinDimple},
};

Image DrawFace(const FaceDrawing &drawing) {
  Image image(CANVAS_WIDTH, CANVAS_HEIGHT, PAPER);
  const Neck &neck = drawing.neck;
  auto neckHalfWidth = [&](double y) {
    double t = (y - neck.top) / (CANVAS_HEIGHT - neck.top);
    return neck.halfWidth + neck.flare * t * t;
  };
  FillRegion(image, [&](double x, double y) { return y > neck.top && std::fabs(x - CENTRE_X) <= neckHalfWidth(y); },
             SKIN, INK);
  // The neck runs on below the canvas: no line along the bottom edge.
  for (int x = 0; x < image.width; ++x)
    if (std::fabs(x + 0.5 - CENTRE_X) < neckHalfWidth(CANVAS_HEIGHT) - 1) image.at(x, image.height - 1) = SKIN;
  FillRegion(image, [&](double x, double y) { return InFace(drawing.shape, x, y); }, SKIN, INK);
  drawing.details(image);
  return image;
}

}  // namespace

void DrawFaces(PartLibrary &library) {
  int number = 1;
  for (const FaceDrawing &face : FACES) library.push_back({PartName('1', number++), DrawFace(face)});
}
