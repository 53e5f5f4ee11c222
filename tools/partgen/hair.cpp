// Hair: the front half (kao-b-) lies over the face, the back half (kao-0-,
// the same size) behind it. Both fill the canvas and are placed at its
// corner. The hair itself is INK, so the colour command dyes it; strands are
// a fixed grey that reads as sheen on dark hair and as shadow on light hair.
// Long styles have a back half; short ones have none.
#include <cmath>

#include "draw.h"
#include "parts.h"

const double PI = 3.14159265358979323846;

// The distance from the canvas's centre line: most styles are symmetric.
static double Fold(double x) { return x < CANVAS_WIDTH / 2.0 ? x : CANVAS_WIDTH - x; }

static Image NewHair() { return Image(CANVAS_WIDTH, CANVAS_HEIGHT, PAPER); }

// The top of the head, a little larger than the face's crown.
static bool InSkull(double x, double y, double grow) { return InEllipse(x, y, 40, 40, 33 + grow, 36 + grow); }

// Strands from one point: curves fanning out to the ends given, drawn only
// over the hair.
static void Strands(Image &image, Point from, const std::vector<Point> &ends) {
  for (const Point &end : ends) {
    Point bend = {(from.x + end.x) / 2 + (end.x - from.x) * 0.35, from.y + (end.y - from.y) * 0.2};
    DrawCurveOver(image, from, bend, end, HAIR_SHINE, INK);
  }
}

// The points and their mirror images about the centre line.
static std::vector<Point> Both(const std::vector<Point> &points) {
  std::vector<Point> both = points;
  for (const Point &p : points) both.push_back({CANVAS_WIDTH - p.x, p.y});
  return both;
}

// Whether (x, y) lies within radius of a chain of points, the radius going
// from r0 at the first point to r1 at the last: a tail or a lock of hair.
static bool InChain(const std::vector<Point> &chain, double r0, double r1, double x, double y) {
  for (size_t i = 0; i < chain.size(); ++i) {
    double r = r0 + (r1 - r0) * i / (chain.size() - 1);
    if (InEllipse(x, y, chain[i].x, chain[i].y, r, r)) return true;
  }
  return false;
}

// Long hair hanging behind the shoulders down to the canvas's bottom.
static bool InLongBack(double x, double y, double wave) {
  double reach = 36 + wave * std::sin(y / 4.0) - (y > 84 ? (y - 84) * 0.25 : 0);
  return InSkull(x, y, 3) || (y > 40 && std::fabs(x + 0.5 - 40) < reach);
}

static void HangingStrands(Image &image, int top) {
  for (int x : {9, 14, 19}) {
    DrawLineOver(image, x, top, x - 2, 99, HAIR_SHINE, INK);
    DrawLineOver(image, CANVAS_WIDTH - 1 - x, top, CANVAS_WIDTH + 1 - x, 99, HAIR_SHINE, INK);
  }
}

// 1: short, parted at the side.
static Image ShortParted() {
  Image image = NewHair();
  std::vector<Point> hairline = {{6, 42}, {13, 44}, {15.5, 44}, {17, 28}, {22, 24}, {34, 23}, {48, 20},
                                 {58, 19}, {63, 24}, {65, 44}, {67.5, 44}, {74, 42}};
  PaintRegion(image, [&](double x, double y) { return InSkull(x, y, -1) && y < LineThrough(hairline, x, true); }, INK);
  DrawCurveOver(image, {29, 4}, {28, 10}, {27, 16}, HAIR_SHINE, INK);
  Strands(image, {30, 8}, {{16, 30}, {21, 22}, {44, 17}, {56, 16}, {63, 28}});
  return image;
}

// 2: bob with straight bangs; the back falls to the jaw.
static Image BobFront() {
  Image image = NewHair();
  PaintRegion(image, [&](double x, double y) {
    double f = Fold(x);
    if (InSkull(x, y, 1)) return f < 15.5 || y < 29;
    return f > 5 && f < 15.5 && y > 30 && y < 64 - (f < 9 ? (9 - f) * 1.5 : 0);
  }, INK);
  for (int x = 22; x <= 58; x += 6) DrawLineOver(image, x, 21, x + (x < 40 ? -1 : 1), 28, HAIR_SHINE, INK);
  Strands(image, {40, 6}, Both({{10, 56}, {17, 21}}));
  return image;
}

static Image BobBack() {
  Image image = NewHair();
  PaintRegion(image, [&](double x, double y) {
    double f = Fold(x);
    return InSkull(x, y, 3) || (f > 4 && y > 40 && y < 67 - (f < 12 ? (12 - f) * 1.2 : 0));
  }, INK);
  return image;
}

// 3: long and straight, parted in the middle.
static Image LongStraightFront() {
  Image image = NewHair();
  std::vector<Point> hairline = {{14, 100}, {16, 44}, {20, 30}, {28, 21}, {40, 15}};
  PaintRegion(image, [&](double x, double y) {
    double f = Fold(x);
    if (InSkull(x, y, 1) && y < LineThrough(hairline, f, true)) return true;
    return f > 5 && f < 15 && y > 30 && y < 90 - (15 - f) * 1.2;
  }, INK);
  Strands(image, {40, 5}, Both({{10, 80}, {13, 60}, {20, 28}, {30, 18}}));
  return image;
}

static Image LongStraightBack() {
  Image image = NewHair();
  PaintRegion(image, [&](double x, double y) { return InLongBack(x, y, 0); }, INK);
  HangingStrands(image, 45);
  return image;
}

// 4: short and spiky.
static Image Spiky() {
  Image image = NewHair();
  std::vector<Point> fringe;
  for (int i = 0; i <= 10; ++i) fringe.push_back({15.0 + i * 5, i % 2 ? 31.0 : 22.0});
  PaintRegion(image, [&](double x, double y) {
    double angle = std::atan2(y - 40, x - 40);
    double spikes = std::fabs(std::fmod(angle * 9 / PI + 100.5, 1.0) - 0.5) * 2;  // 0 at a tip
    double reach = y < 40 ? 33 + 6 * (1 - spikes) : 33;
    if (std::hypot((x - 40) / reach, (y - 40) / (reach + 3)) > 1) return false;
    double f = Fold(x);
    if (f < 15) return y < 44;
    return y < LineThrough(fringe, x, false);
  }, INK);
  Strands(image, {40, 14}, {{12, 10}, {22, 4}, {34, 1}, {46, 1}, {58, 4}, {68, 10}});
  return image;
}

// 5: cropped close.
static Image Cropped() {
  Image image = NewHair();
  std::vector<Point> hairline = {{12, 100}, {14, 44}, {16, 24}, {24, 18}, {40, 16}};
  PaintRegion(image, [&](double x, double y) {
    return InEllipse(x, y, 40, 40, 30, 31) && y < LineThrough(hairline, Fold(x), true);
  }, INK);
  for (int y = 10; y < 44; y += 3)
    for (int x = (y / 3) % 2 ? 11 : 12; x < 69; x += 3)
      if (image.at(x, y) == INK) image.at(x, y) = HAIR_SHINE;
  return image;
}

// 6: pulled back into a high ponytail; the tail hangs behind.
static Image PonytailFront() {
  Image image = NewHair();
  std::vector<Point> hairline = {{13, 100}, {15, 40}, {17, 24}, {26, 17}, {40, 15}};
  PaintRegion(image, [&](double x, double y) {
    return InSkull(x, y, 0) && y < LineThrough(hairline, Fold(x), true);
  }, INK);
  Strands(image, {64, 10}, {{16, 30}, {22, 20}, {34, 14}, {48, 14}});
  return image;
}

static Image PonytailBack() {
  Image image = NewHair();
  std::vector<Point> tail = CurvePoints({62, 10}, {86, 18}, {72, 72}, 40);
  PaintRegion(image, [&](double x, double y) { return InSkull(x, y, 0) || InChain(tail, 8, 3, x, y); }, INK);
  Strands(image, {66, 14}, {{74, 60}, {70, 66}});
  PaintRegion(image, [&](double x, double y) { return InEllipse(x, y, 69, 13, 3, 5); }, RED);
  return image;
}

// 7: a round mass of curls.
static bool InCurls(double x, double y, double cx, double cy, double r) {
  double angle = std::atan2(y - cy, x - cx);
  return std::hypot(x - cx, y - cy) < r + 2.5 * std::sin(angle * 14);
}

static void CurlMarks(Image &image) {
  for (int y = 4; y < 96; y += 6)
    for (int x = (y / 6) % 2 ? 4 : 7; x < 76; x += 6)
      if (image.at(x, y) == INK && image.at(x + 2, y) == INK && image.at(x + 1, y + 1) == INK)
        DrawCurveOver(image, {x + 2.0, y + 0.0}, {x - 0.5, y + 0.5}, {x + 2.0, y + 2.0}, HAIR_SHINE, INK);
}

static Image CurlsFront() {
  Image image = NewHair();
  PaintRegion(image, [&](double x, double y) {
    if (!InCurls(x, y, 40, 34, 36)) return false;
    if (Fold(x) < 15) return y < 50;
    return y < 24 + 2.5 * std::sin(x * 0.9);
  }, INK);
  CurlMarks(image);
  return image;
}

static Image CurlsBack() {
  Image image = NewHair();
  PaintRegion(image, [&](double x, double y) { return InCurls(x, y, 40, 40, 39) && y < 78; }, INK);
  CurlMarks(image);
  return image;
}

// 8: bangs and two tails tied at the sides.
static Image TwinTailsFront() {
  Image image = NewHair();
  std::vector<Point> bangs;
  for (int i = 0; i <= 8; ++i) bangs.push_back({16.0 + i * 6, i % 2 ? 30.0 : 25.0});
  PaintRegion(image, [&](double x, double y) {
    if (!InSkull(x, y, 1)) return false;
    return Fold(x) < 15.5 ? y < 46 : y < LineThrough(bangs, x, true);
  }, INK);
  Strands(image, {40, 5}, Both({{12, 40}, {20, 26}, {30, 27}}));
  return image;
}

static Image TwinTailsBack() {
  Image image = NewHair();
  std::vector<Point> tail = CurvePoints({9, 28}, {-2, 50}, {6, 92}, 40);
  PaintRegion(image, [&](double x, double y) {
    return InSkull(x, y, 1) || InChain(tail, 6, 3, x, y) || InChain(tail, 6, 3, CANVAS_WIDTH - x, y);
  }, INK);
  Strands(image, {9, 30}, {{3, 70}, {6, 88}});
  Strands(image, {71, 30}, {{77, 70}, {74, 88}});
  for (double cx : {9.0, 71.0}) PaintRegion(image, [&](double x, double y) { return InEllipse(x, y, cx, 28, 4, 3); }, RED);
  return image;
}

// 9: bald on top, hair left at the sides and a few strands combed over.
static Image Balding() {
  Image image = NewHair();
  PaintRegion(image, [&](double x, double y) {
    double f = Fold(x);
    return InSkull(x, y, 0) && f < 16 && y > 22 && y < 46 - (f < 8 ? (8 - f) : 0);
  }, INK);
  // Over the crown, which lies at height 12 or lower on every face.
  DrawCurve(image, {15, 27}, {36, 12}, {65, 24}, INK);
  DrawCurve(image, {16, 25}, {40, 14}, {64, 22}, INK);
  DrawCurve(image, {17, 23}, {44, 17}, {63, 20}, INK);
  return image;
}

// 10: long and wavy, swept to one side.
static Image WavyFront() {
  Image image = NewHair();
  std::vector<Point> hairline = {{13, 100}, {16, 40}, {20, 26}, {28, 18}, {31, 14}, {36, 18}, {48, 25},
                                 {58, 29}, {63, 38}, {65, 100}};
  PaintRegion(image, [&](double x, double y) {
    if (InSkull(x, y, 1) && y < LineThrough(hairline, x, true)) return true;
    double wave = 2 * std::sin(y / 5.0);
    double f = Fold(x);
    return y > 30 && y < 88 - (x < 40 ? 0 : 4) && f > 5 + wave && f < 15 + wave;
  }, INK);
  Strands(image, {31, 6}, {{12, 60}, {18, 30}, {26, 17}, {46, 22}, {60, 30}, {68, 60}});
  return image;
}

static Image WavyBack() {
  Image image = NewHair();
  PaintRegion(image, [&](double x, double y) { return InLongBack(x, y, 2.5); }, INK);
  HangingStrands(image, 48);
  return image;
}

// 11: a tall quiff swept up at the front.
static Image Quiff() {
  Image image = NewHair();
  std::vector<Point> hairline = {{13, 100}, {15, 40}, {17, 22}, {26, 18}, {40, 17}};
  PaintRegion(image, [&](double x, double y) {
    bool head = InSkull(x, y, -1) && y < LineThrough(hairline, Fold(x), true);
    return head || (InEllipse(x, y, 43, 13, 26, 11) && y < 22);
  }, INK);
  Strands(image, {66, 14}, {{22, 7}, {28, 12}, {36, 16}});
  return image;
}

// 12: smoothed up into a bun on top.
static Image Bun() {
  Image image = NewHair();
  std::vector<Point> hairline = {{13, 100}, {15, 40}, {17, 24}, {26, 17}, {40, 15}};
  PaintRegion(image, [&](double x, double y) {
    return (InSkull(x, y, 0) && y < LineThrough(hairline, Fold(x), true)) || InEllipse(x, y, 40, 6, 11, 6.5);
  }, INK);
  DrawCurveOver(image, {29, 8}, {40, 15}, {51, 8}, HAIR_SHINE, INK);
  Strands(image, {40, 12}, Both({{16, 32}, {22, 20}, {32, 16}}));
  DrawCurveOver(image, {32, 4}, {40, 1}, {48, 4}, HAIR_SHINE, INK);
  return image;
}

void DrawHair(PartLibrary &library) {
  struct Style {
    Image (*front)();
    Image (*back)();  // none for short hair
  };
  const Style styles[] = {
      {ShortParted, nullptr},      {BobFront, BobBack},   {LongStraightFront, LongStraightBack},
      {Spiky, nullptr},            {Cropped, nullptr},    {PonytailFront, PonytailBack},
      {CurlsFront, CurlsBack},     {TwinTailsFront, TwinTailsBack}, {Balding, nullptr},
      {WavyFront, WavyBack},       {Quiff, nullptr},      {Bun, nullptr},
  };
  int number = 1;
  for (const Style &style : styles) {
    library.push_back({PartName('b', number), style.front()});
    if (style.back) library.push_back({PartName('0', number), style.back()});
    ++number;
  }
}
