#include "faces.h"

#include <cmath>

#include "draw.h"
#include "parts.h"

const double CENTRE_X = CANVAS_WIDTH / 2.0;

// Every face is about 56 pixels wide between heights 40 and 57, where the
// ears are put, so that any ear touches any face.
const FaceShape STANDARD_FACE = {12, 46, 90, 28, 2.0, 2.0, 3};

static double Superellipse(double t, double power) {
  if (t >= 1) return 0;
  return std::pow(1 - std::pow(t, power), 1 / power);
}

double FaceHalfWidth(const FaceShape &face, double y) {
  if (y < face.top || y > face.bottom) return 0;
  if (y < face.middle) return face.halfWidth * Superellipse((face.middle - y) / (face.middle - face.top), face.upperPower);
  double t = (y - face.middle) / (face.bottom - face.middle);
  return face.chinHalfWidth + (face.halfWidth - face.chinHalfWidth) * Superellipse(t, face.lowerPower);
}

bool InFace(const FaceShape &face, double x, double y) { return std::fabs(x - CENTRE_X) <= FaceHalfWidth(face, y); }

struct FaceDrawing {
  FaceShape shape;
  double neckHalfWidth;
  void (*details)(Image &image);  // lines inside the face, or none
};

static void NoDetails(Image &) {}

static void ChinDimple(Image &image) { DrawCurve(image, {38, 83}, {39.5, 85}, {41, 83}, INK); }

static void DoubleChin(Image &image) { DrawCurve(image, {32, 84}, {39.5, 88}, {47, 84}, INK); }

static void Cheekbones(Image &image) {
  DrawCurve(image, {17, 60}, {19, 66}, {23, 69}, INK);
  DrawCurve(image, {62, 60}, {60, 66}, {56, 69}, INK);
}

static void ChinCleft(Image &image) { DrawCurve(image, {38, 84}, {39.5, 88}, {41, 84}, INK); }

static void LaughLines(Image &image) {
  DrawCurve(image, {29, 64}, {26, 70}, {28, 76}, INK);
  DrawCurve(image, {50, 64}, {53, 70}, {51, 76}, INK);
}

static const FaceDrawing FACES[] = {
    {STANDARD_FACE, 10, NoDetails},                          // oval
    {{14, 50, 88, 29, 2.0, 2.2, 0}, 11, NoDetails},          // round
    {{8, 44, 94, 26.5, 2.0, 2.2, 4}, 9, NoDetails},          // long
    {{12, 44, 90, 28, 2.6, 4.0, 12}, 11, NoDetails},         // square jaw
    {{12, 44, 91, 28.5, 2.0, 1.4, 1}, 9, NoDetails},         // heart, pointed chin
    {{14, 58, 90, 29, 1.7, 3.0, 9}, 12, NoDetails},          // wide jaw
    {{12, 46, 90, 28, 2.0, 2.0, 3}, 10, ChinDimple},         // oval, chin dimple
    {{12, 46, 91, 28, 1.6, 1.6, 2}, 9, Cheekbones},          // diamond
    {{14, 52, 90, 29.5, 2.0, 2.6, 6}, 12, DoubleChin},       // chubby
    {{10, 46, 92, 27, 2.2, 2.4, 4}, 9, LaughLines},          // lean
    {{10, 48, 86, 29, 2.0, 2.4, 0}, 10, NoDetails},          // baby
    {{12, 46, 90, 28, 2.2, 2.6, 6}, 10, ChinCleft},          // oval, cleft chin
};

static Image DrawFace(const FaceDrawing &drawing) {
  Image image(CANVAS_WIDTH, CANVAS_HEIGHT, PAPER);
  const FaceShape &shape = drawing.shape;
  double neckTop = shape.middle + (shape.bottom - shape.middle) * 0.6;
  double neck = drawing.neckHalfWidth;
  FillRegion(image, [&](double x, double y) { return y > neckTop && std::fabs(x - CENTRE_X) <= neck; }, SKIN, INK);
  // The neck runs on below the canvas: no line along the bottom edge.
  for (int x = 0; x < image.width; ++x)
    if (std::fabs(x + 0.5 - CENTRE_X) < neck - 1) image.at(x, image.height - 1) = SKIN;
  FillRegion(image, [&](double x, double y) { return InFace(shape, x, y); }, SKIN, INK);
  drawing.details(image);
  return image;
}

void DrawFaces(PartLibrary &library) {
  int number = 1;
  for (const FaceDrawing &face : FACES) library.push_back({PartName('1', number++), DrawFace(face)});
}
