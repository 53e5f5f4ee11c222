// Moustaches, beards and glasses.
#include <cmath>

#include "draw.h"
#include "faces.h"
#include "parts.h"

static Image NewCanvas() { return Image(CANVAS_WIDTH, CANVAS_HEIGHT, PAPER); }

// ---- Moustaches: 28 x 10 (the horseshoe 28 x 20), under the nose. Drawn
// as the left half and mirrored. ----

static Image SymmetricFromText(const std::vector<std::string> &leftHalf, int width) {
  std::vector<std::string> rows;
  for (const std::string &row : leftHalf) rows.push_back(row + std::string(width - row.size(), '.'));
  Image image = ImageFromText(rows, {{'k', INK}, {'g', HAIR_SHINE}});
  MirrorLeftHalf(image);
  return image;
}

void DrawMoustaches(PartLibrary &library) {
  const std::vector<std::vector<std::string>> halves = {
      // chevron
      {"..............",
       "..............",
       "..............",
       "..............",
       "..........kkkk",
       "......kkkkkkkk",
       "....kkkkgkkkkk",
       "...kkkgkkkkkkk",
       "...kkkkkk.....",
       "...kkk........"},
      // handlebar
      {"..............",
       "..............",
       "..............",
       ".kk...........",
       "k..k..........",
       "k...k....kkkkk",
       ".k...kkkkkkkkk",
       "..kkkkkkkkkkkk",
       "....kkkkkk....",
       ".............."},
      // pencil
      {"..............",
       "..............",
       "..............",
       "..............",
       "..............",
       "..............",
       "......kkkkkkk.",
       ".....k........",
       "..............",
       ".............."},
      // toothbrush
      {"..............",
       "..............",
       "..............",
       "..............",
       "..............",
       ".........kkkkk",
       ".........kkkkk",
       ".........kkgkk",
       "..........kkkk",
       ".............."},
      // walrus
      {"..............",
       "..............",
       "..............",
       "..............",
       ".........kkkkk",
       "......kkkkkkkk",
       "....kkkkgkkkkk",
       "...kkkgkkkgkkk",
       "..kkkkkkkkkkkk",
       "..k.k.k.k.k.k."},
      // horseshoe
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
       ".k............",
       "..k...........",
       "...k.....kkkkk",
       "....kkkkkkkkkk",
       ".......kkkkk..",
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
       "......k.k.k...",
       ".............."},
      // parted
      {"..............",
       "..............",
       "..............",
       "..............",
       "..............",
       "........kkkk..",
       "......kkkkkk..",
       "....kkkkkkk...",
       "...kkkk.......",
       ".............."},
      // bushy
      {"..............",
       "..............",
       "..............",
       "..........kkkk",
       ".......kkkkkkk",
       ".....kkkkkgkkk",
       "...kkkgkkkkkkk",
       "..kkkkkkkgkkkk",
       "..kkkkkkkkkkkk",
       "...kkkkk..kkkk"},
  };
  int number = 1;
  for (const auto &half : halves) library.push_back({PartName('9', number++), SymmetricFromText(half, 28)});
}

// ---- Beards: 60 x 36 (long ones 60 x 40), along the first face's jaw. ----

const int BEARD_WIDTH = 60;

static double Fold(double x) { return x < CANVAS_WIDTH / 2.0 ? x : CANVAS_WIDTH - x; }

// Inside the first face grown by grow pixels all round.
static bool InGrownFace(double x, double y, double grow) {
  FaceShape shape = STANDARD_FACE;
  shape.halfWidth += grow;
  shape.bottom += grow;
  shape.chinHalfWidth += grow / 2;
  return InFace(shape, x, y);
}

// The beard's upper edge: from the sideburns down past the mouth.
static double CheekLine(double x) {
  return LineThrough({{12, 62}, {22, 65}, {30, 72}, {40, 77}}, Fold(x), true);
}

static bool InFullBeard(double x, double y) {
  return y >= CheekLine(x) && InGrownFace(x, y, 2.5);
}

// Strands flowing from the cheeks toward the point of the chin.
static void BeardStrands(Image &image) {
  for (double x = 17; x <= 63; x += 7.6) {
    double top = CheekLine(x) + 3;
    DrawCurveOver(image, {x, top}, {x + (40 - x) * 0.1, top + 12}, {40 + (x - 40) * 0.45, 97}, HAIR_SHINE, INK);
  }
}

static Image Beard(const Region &inside, bool strands, int height = 36) {
  Image canvas = NewCanvas();
  PaintRegion(canvas, inside, INK);
  if (strands) BeardStrands(canvas);
  return CutPart(canvas, KIND_BEARD, BEARD_WIDTH, height);
}

void DrawBeards(PartLibrary &library) {
  int number = 1;
  auto add = [&](Image image) { library.push_back({PartName('a', number++), image}); };
  add(Beard(InFullBeard, true));  // full
  add(Beard([](double x, double y) { return InEllipse(x, y, 40, 85, 7, 8) && y > 78; }, true));  // goatee
  add(Beard([](double x, double y) {  // chin strap
    return y > 62 && InGrownFace(x, y, 1.5) && !InGrownFace(x, y, -1.5);
  }, false));
  add(Beard([](double x, double y) {  // stubble
    int px = static_cast<int>(x), py = static_cast<int>(y);
    return InFullBeard(x, y) && (px + py) % 2 == 0 && py % 2 == 0;
  }, false));
  add(Beard([](double x, double y) {  // long and pointed
    return y >= CheekLine(x) && (InFullBeard(x, y) || (y > 78 && std::fabs(x - 40) < (100 - y) * 0.8));
  }, true, 40));
  add(Beard([](double x, double y) {  // tuft under the lip
    return y > 78 && y < 84 && std::fabs(x - 40) < (84 - y) * 0.6 + 0.5;
  }, false));
  add(Beard([](double x, double y) {  // mutton chops
    return InFullBeard(x, y) && Fold(x) < 22 && y < 84;
  }, true));
  add(Beard([](double x, double y) {  // anchor: along the jaw and down the chin
    bool jaw = y > 70 && InGrownFace(x, y, 1.5) && !InGrownFace(x, y, -1.5) && Fold(x) > 24;
    return jaw || (std::fabs(x - 40) < 2 && y > 78 && InGrownFace(x, y, 1.5));
  }, false));
  add(Beard([](double x, double y) {  // ring round the mouth
    return InEllipse(x, y, 40, 73, 13, 11) && !InEllipse(x, y, 40, 72, 9.5, 6.5) && y > 66;
  }, true));
  add(Beard([](double x, double y) {  // short and trimmed
    return y >= CheekLine(x) + 2 && InGrownFace(x, y, 0.5);
  }, false));
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

static bool InLens(const Lens &lens, double cx, double x, double y, double grow) {
  double dx = std::fabs(x - cx) / (lens.halfWidth + grow);
  double outer = (cx < 40) == (x < cx);  // the half away from the nose
  double lift = outer && y < LENS_Y ? lens.outerLift * std::fabs(x - cx) / lens.halfWidth : 0;
  double dy = std::fabs(y - LENS_Y + (y < LENS_Y ? -lift : 0)) / (lens.halfHeight + grow + (y < LENS_Y ? lift : 0));
  return std::pow(dx, lens.squareness) + std::pow(dy, lens.squareness) <= 1;
}

static bool InEitherLens(const Lens &lens, double x, double y, double grow) {
  return InLens(lens, LEFT_LENS_X, x, y, grow) || InLens(lens, RIGHT_LENS_X, x, y, grow);
}

static void TemplesAndBridge(Image &canvas, const Lens &lens, int bridgeY) {
  int outer = static_cast<int>(LEFT_LENS_X - lens.halfWidth);
  DrawLine(canvas, 12, 43, outer, 43, INK);
  DrawLine(canvas, 67, 43, CANVAS_WIDTH - 1 - outer, 43, INK);
  DrawCurve(canvas, {LEFT_LENS_X + lens.halfWidth - 1, LENS_Y}, {40, bridgeY - 2.0},
            {RIGHT_LENS_X - lens.halfWidth, LENS_Y}, INK);
}

// Frames of the given thickness round clear lenses (or tinted ones).
static Image Spectacles(const Lens &lens, double thickness, const Rgb *tint) {
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

static Image HalfRims(const Lens &lens) {
  Image canvas = NewCanvas();
  TemplesAndBridge(canvas, lens, 44);
  PaintRegion(canvas, [&](double x, double y) { return InEitherLens(lens, x, y, 1) && y < LENS_Y - 1; }, INK);
  PaintRegion(canvas, [&](double x, double y) { return InEitherLens(lens, x, y, -1); }, PAPER);
  OutlineRegion(canvas, [&](double x, double y) { return InEitherLens(lens, x, y, 0) && y >= LENS_Y - 1; }, INK);
  PaintRegion(canvas, [&](double x, double y) { return InEitherLens(lens, x, y, -1) && y >= LENS_Y - 2; }, PAPER);
  return CutPart(canvas, KIND_GLASSES, GLASSES_WIDTH, GLASSES_HEIGHT);
}

static Image Monocle() {
  Image canvas = NewCanvas();
  Lens lens = {7.5, 7, 2, 0};
  OutlineRegion(canvas, [&](double x, double y) { return InLens(lens, LEFT_LENS_X, x, y, 0); }, INK);
  DrawCurve(canvas, {21, 49}, {16, 52}, {13, 52}, GOLD);
  return CutPart(canvas, KIND_GLASSES, GLASSES_WIDTH, GLASSES_HEIGHT);
}

static Image HeartGlasses() {
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
