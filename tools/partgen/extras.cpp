// Moustaches, beards and glasses.
#include <algorithm>
#include <cmath>

#include "draw.h"
#include "faces.h"
#include "parts.h"

namespace {

Image NewCanvas() { return Image(CANVAS_WIDTH, CANVAS_HEIGHT, PAPER); }

// ---- Moustaches: 28 wide, under the nose and above the mouth: over the
// mouth's width (canvas x 32 to 47) nothing reaches below row 7, height
// 67 on the canvas; only the ends beside the mouth hang lower. Drawn as the
// left half and mirrored; gaps in the hair are white. ----

Image SymmetricFromText(const std::vector<std::string> &leftHalf, int width) {
  std::vector<std::string> rows;
  for (const std::string &row : leftHalf) rows.push_back(row + std::string(width - row.size(), '.'));
  Image image = ImageFromText(rows, {{'k', INK}});
  MirrorLeftHalf(image);
  return image;
}

}  // namespace

void DrawMoustaches(PartLibrary &library) {
  const std::vector<std::vector<std::string>> halves = {
      // chevron
      {"..............",
       "..............",
       "..............",
       "..............",
       "..........kkkk",
       "......kkkkkkkk",
       "....kkkkkkkkkk",
       "...kkkk.kkk.kk",
       "...kkk........",
       ".............."},
      // handlebar
      {"..............",
       ".kk...........",
       "k..k..........",
       "k.............",
       ".k.......kkkkk",
       "..kk..kkkkkkkk",
       "...kkkkkkkkkkk",
       ".....kkkkk.kk.",
       "..............",
       ".............."},
      // pencil
      {"..............",
       "..............",
       "..............",
       "..............",
       "..............",
       "..............",
       "....kkkkkkkkk.",
       "...k..........",
       "..............",
       ".............."},
      // toothbrush
      {"..............",
       "..............",
       "..............",
       "..............",
       "........kkkkkk",
       "........kkkkkk",
       "........kkkkkk",
       "........k.k.k.",
       "..............",
       ".............."},
      // walrus
      {"..............",
       "..............",
       "..............",
       "..............",
       "........kkkkkk",
       ".....kkkkkkkkk",
       "..kkkkkkkkkkkk",
       ".kkkk.kkkk.kkk",
       ".kk.k.........",
       ".k............"},
      // horseshoe, down both sides of the mouth
      {"..............",
       "..............",
       "..............",
       "..............",
       "..............",
       "..............",
       "..............",
       "..............",
       "..............",
       ".......kkkkkkk",
       "....kkkkkkkkkk",
       "...kkkk.......",
       "...kkk........",
       "...kk.........",
       "...kk.........",
       "...kk.........",
       "...kk.........",
       "...kk.........",
       "...kk.........",
       "...kk........."},
      // curled
      {"..k...........",
       ".k.k..........",
       ".k............",
       "..k...........",
       "...k......kkkk",
       "....kkkkkkkkkk",
       ".......kkkkk..",
       "..............",
       "..............",
       ".............."},
      // stubble
      {"..............",
       "..............",
       "..............",
       "..............",
       "..........k.k.",
       ".......k.k.k.k",
       "......k.k.k.k.",
       ".....k.k.k.k.k",
       "..............",
       ".............."},
      // English, with long thin points
      {"..............",
       "..............",
       "..............",
       "..............",
       ".........kkkk.",
       "....kkkkkkkkk.",
       "kkkk..........",
       "..............",
       "..............",
       ".............."},
      // bushy
      {"..............",
       "..............",
       "..............",
       "..............",
       ".......kkkkkkk",
       "....kkkkkkkkkk",
       "..kkkkk.kkkkkk",
       ".kkkk.kkkkk.kk",
       ".kkkkk........",
       "..k.k........."},
      // Fu Manchu: thin ends hanging past the chin
      {"..............",
       "..............",
       "..............",
       "..............",
       "..............",
       "..............",
       "..............",
       "..............",
       "..............",
       "..............",
       "..............",
       "..............",
       "..............",
       "..............",
       "..............",
       "..........kkkk",
       ".......kkkkkkk",
       ".....kkkkkk...",
       "....kkk.......",
       "....kk........",
       "....kk........",
       "...kk.........",
       "...kk.........",
       "...kk.........",
       "...k..........",
       "...k..........",
       "...k..........",
       "...k..........",
       "..k...........",
       "..k..........."},
      // imperial: thick, its ends swept up
      {"kk............",
       "kkk...........",
       ".kkk..........",
       "..kkk.........",
       "..kkkk...kkkkk",
       "...kkkkkkkkkkk",
       "....kkkkkkk.kk",
       "......kkkkk...",
       "..............",
       ".............."},
  };
  int number = 1;
  for (const auto &half : halves) library.push_back({PartName('9', number++), SymmetricFromText(half, 28)});
}

// ---- Beards: drawn along the jaw of the face each is made for (the first
// face unless said otherwise) and cut out where the program puts them. They
// leave the mouth free: the beard's upper edge passes below its corners. ----

namespace {

double Fold(double x) { return x < CANVAS_WIDTH / 2.0 ? x : CANVAS_WIDTH - x; }

// The beard's upper edge: from the jaw under the ears down past the mouth.
// A beard starts no higher than 60, so that all of it lies on the canvas
// where the program puts it.
double CheekLine(double x, double lift = 0) {
  return LineThrough({{12, 60}, {20, 63 - lift}, {29, 72}, {34, 76}, {40, 77}}, Fold(x), true);
}

// Strands flowing from the cheeks toward the chin, as gaps.
void BeardStrands(Image &image, double chin) {
  for (double x = 16; x <= 64; x += 6) {
    double top = CheekLine(x) + 3;
    DrawCurveOver(image, {x, top}, {x + (40 - x) * 0.1, top + (chin - top) * 0.5},
                  {40 + (x - 40) * 0.55, chin - 2}, PAPER, INK);
  }
}

// The beard inside the region, with strands down to the height strandsTo
// (none for 0) or the gaps drawn by gaps.
Image Beard(const Region &inside, double strandsTo = 0, void (*gaps)(Image &) = nullptr) {
  Image canvas = NewCanvas();
  PaintRegion(canvas, [&](double x, double y) { return y > 60 && inside(x, y); }, INK);
  if (strandsTo > 0) BeardStrands(canvas, strandsTo);
  if (gaps) gaps(canvas);
  return FitPart(canvas, KIND_BEARD);
}

// A full beard along a face's jaw, grown out by depth.
Region FullBeard(const FaceShape &face, double depth, double lift = 0) {
  return [&face, depth, lift](double x, double y) {
    return y >= CheekLine(x, lift) && InGrownFace(face, x, y, depth) && Fold(x) > 9;
  };
}

}  // namespace

void DrawBeards(PartLibrary &library) {
  int number = 1;
  auto add = [&](Image image) { library.push_back({PartName('a', number++), image}); };
  const FaceShape &face = STANDARD_FACE;
  add(Beard(FullBeard(face, 2.5), 92));  // full
  add(Beard([&](double x, double y) {  // goatee, widening down to the point of the chin
    return y > 79 && std::fabs(x - 40) < std::min(6.5, 1.5 + (y - 79) * 0.6) && InGrownFace(face, x, y, 1);
  }, 0, [](Image &c) { DrawLineOver(c, 38, 84, 37, 88, PAPER, INK); }));
  add(Beard([&](double x, double y) {  // chin strap
    return y > 58 && InGrownFace(face, x, y, 1.5) && !InGrownFace(face, x, y, -1.5) && Fold(x) > 9;
  }));
  add(Beard([&](double x, double y) {  // stubble
    int px = static_cast<int>(x), py = static_cast<int>(y);
    return FullBeard(face, 0)(x, y) && (px + py) % 2 == 0 && py % 2 == 0;
  }));
  add(Beard([&](double x, double y) {  // long and pointed, hanging past the chin
    return y >= CheekLine(x) && Fold(x) > 9 &&
           (InGrownFace(face, x, y, 2.5) || (y > 78 && std::fabs(x - 40) < (100 - y) * 0.8));
  }, 99));
  add(Beard([](double x, double y) {  // tuft under the lip
    return y > 78 && y < 84 && std::fabs(x - 40) < (84 - y) * 0.6 + 0.5;
  }));
  add(Beard([&](double x, double y) {  // mutton chops
    return FullBeard(face, 1.5)(x, y) && Fold(x) < 22 && y < 82;
  }, 0));
  add(Beard([&](double x, double y) {  // anchor: along the jaw and down the chin
    bool jaw = y > 72 && InGrownFace(face, x, y, 1.5) && !InGrownFace(face, x, y, -1.5) && Fold(x) > 24;
    return jaw || (std::fabs(x - 40) < 1.5 && y > 79 && InGrownFace(face, x, y, 1.5));
  }));
  add(Beard([&](double x, double y) {  // ring round the mouth
    return InEllipse(x, y, 40, 72, 12.5, 11) && !InEllipse(x, y, 40, 71.5, 9.5, 6.5) && y > 66 &&
           InGrownFace(face, x, y, 1);
  }));
  add(Beard([&](double x, double y) {  // short and trimmed
    return y >= CheekLine(x) + 2 && InGrownFace(face, x, y, 0.5) && Fold(x) > 10;
  }));
  add(Beard(FullBeard(SQUARE_FACE, 2), 89));  // boxed, for the square jaw
  add(Beard(FullBeard(ROUND_FACE, 2.5), 87));  // full, for the round face
  add(Beard([](double x, double y) {  // chin curtain, for the long face
    return y > 64 && InGrownFace(LONG_FACE, x, y, 2) && !InGrownFace(LONG_FACE, x, y, -4) && Fold(x) > 10;
  }));
  add(Beard([&](double x, double y) {  // big and bushy, over the neck
    double bumps = 1.5 * std::sin(x * 1.3);
    return y >= CheekLine(x, 2) && Fold(x) > 9 && (InGrownFace(face, x, y, 3) || InEllipse(x, y, 40, 86, 22 + bumps, 14));
  }, 99));
}

// ---- Glasses: 56 x 16, the lenses over the eyes, the temples reaching the
// face's sides. ----

const int GLASSES_WIDTH = 56;
const int GLASSES_HEIGHT = 16;
const double LEFT_LENS_X = 28, RIGHT_LENS_X = 52, LENS_Y = 45.5;

struct Lens {
  double halfWidth, halfHeight;
  double squareness;  // 2 an ellipse, more a rounded rectangle
  double outerLift;   // the outer top corner raised this much (cat-eye)
};

namespace {

bool InLens(const Lens &lens, double cx, double x, double y, double grow) {
  double dx = std::fabs(x - cx) / (lens.halfWidth + grow);
  double outer = (cx < 40) == (x < cx);  // the half away from the nose
  double lift = outer && y < LENS_Y ? lens.outerLift * std::fabs(x - cx) / lens.halfWidth : 0;
  double dy = std::fabs(y - LENS_Y + (y < LENS_Y ? -lift : 0)) / (lens.halfHeight + grow + (y < LENS_Y ? lift : 0));
  return std::pow(dx, lens.squareness) + std::pow(dy, lens.squareness) <= 1;
}

bool InEitherLens(const Lens &lens, double x, double y, double grow) {
  return InLens(lens, LEFT_LENS_X, x, y, grow) || InLens(lens, RIGHT_LENS_X, x, y, grow);
}

void TemplesAndBridge(Image &canvas, const Lens &lens, int bridgeY) {
  int outer = static_cast<int>(LEFT_LENS_X - lens.halfWidth);
  DrawLine(canvas, 12, 43, outer, 43, INK);
  DrawLine(canvas, 67, 43, CANVAS_WIDTH - 1 - outer, 43, INK);
  DrawCurve(canvas, {LEFT_LENS_X + lens.halfWidth - 1, LENS_Y}, {40, bridgeY - 2.0},
            {RIGHT_LENS_X - lens.halfWidth, LENS_Y}, INK);
}

// Frames of the given thickness round clear lenses (or tinted ones).
Image Spectacles(const Lens &lens, double thickness, const Rgb *tint) {
  Image canvas = NewCanvas();
  TemplesAndBridge(canvas, lens, 44);
  PaintRegion(canvas, [&](double x, double y) { return InEitherLens(lens, x, y, thickness - 1); }, INK);
  if (tint) {
    PaintRegion(canvas, [&](double x, double y) { return InEitherLens(lens, x, y, -1); }, *tint);
    for (double cx : {LEFT_LENS_X, RIGHT_LENS_X})
      DrawLineOver(canvas, static_cast<int>(cx - 3), static_cast<int>(LENS_Y - 1), static_cast<int>(cx - 1),
                   static_cast<int>(LENS_Y - 3), LENS_GLINT, *tint);
  } else {
    PaintRegion(canvas, [&](double x, double y) { return InEitherLens(lens, x, y, -1); }, PAPER);
  }
  return CutPart(canvas, KIND_GLASSES, GLASSES_WIDTH, GLASSES_HEIGHT);
}

Image HalfRims(const Lens &lens) {
  Image canvas = NewCanvas();
  TemplesAndBridge(canvas, lens, 44);
  PaintRegion(canvas, [&](double x, double y) { return InEitherLens(lens, x, y, 1) && y < LENS_Y - 1; }, INK);
  PaintRegion(canvas, [&](double x, double y) { return InEitherLens(lens, x, y, -1); }, PAPER);
  OutlineRegion(canvas, [&](double x, double y) { return InEitherLens(lens, x, y, 0) && y >= LENS_Y - 1; }, INK);
  PaintRegion(canvas, [&](double x, double y) { return InEitherLens(lens, x, y, -1) && y >= LENS_Y - 2; }, PAPER);
  return CutPart(canvas, KIND_GLASSES, GLASSES_WIDTH, GLASSES_HEIGHT);
}

Image Monocle() {
  Image canvas = NewCanvas();
  Lens lens = {7.5, 7, 2, 0};
  OutlineRegion(canvas, [&](double x, double y) { return InLens(lens, LEFT_LENS_X, x, y, 0); }, INK);
  DrawCurve(canvas, {21, 49}, {16, 52}, {13, 52}, GOLD);
  return CutPart(canvas, KIND_GLASSES, GLASSES_WIDTH, GLASSES_HEIGHT);
}

Image HeartGlasses() {
  Image canvas = NewCanvas();
  auto heart = [](double cx, double x, double y) {
    double u = (x - cx) / 8.5, v = (LENS_Y + 1 - y) / 7.5;  // up is positive
    double a = u * u + v * v - 0.6;
    return a * a * a - u * u * v * v * v * 1.1 <= 0;
  };
  FillRegion(canvas, [&](double x, double y) { return heart(LEFT_LENS_X, x, y) || heart(RIGHT_LENS_X, x, y); }, RED, INK);
  PaintRegion(canvas, [&](double x, double y) {
    return InEllipse(x, y, LEFT_LENS_X, LENS_Y, 4, 2.5) || InEllipse(x, y, RIGHT_LENS_X, LENS_Y, 4, 2.5);
  }, PAPER);
  DrawLine(canvas, 12, 43, 20, 43, INK);
  DrawLine(canvas, 67, 43, 59, 43, INK);
  return CutPart(canvas, KIND_GLASSES, GLASSES_WIDTH, GLASSES_HEIGHT);
}

}  // namespace

void DrawGlasses(PartLibrary &library) {
  int number = 1;
  auto add = [&](Image image) { library.push_back({PartName('c', number++), image}); };
  add(Spectacles({8, 6.5, 2, 0}, 1, nullptr));      // round
  add(Spectacles({9, 6, 4, 0}, 1, nullptr));        // square
  add(Spectacles({9, 6, 3, 0}, 1, &LENS_DARK));     // sunglasses
  add(HalfRims({9, 5.5, 3, 0}));                    // half rims
  add(Spectacles({8.5, 5, 2, 0}, 1, nullptr));      // small ovals
  add(Spectacles({9, 5, 2.5, 5}, 2, nullptr));      // angular, lifted at the outer corners
  add(Spectacles({9, 7, 2.2, -1}, 1, &LENS_DARK));  // aviators
  add(Spectacles({9, 6.5, 5, 0}, 2, nullptr));      // heavy frames
  add(HeartGlasses());                              // party hearts
  add(Monocle());                                   // monocle
}
