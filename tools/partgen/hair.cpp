// Hair: the front half (kao-b-) lies over the face, the back half (kao-0-,
// the same size) behind it. Both fill the canvas and are placed at its
// corner. The hair is all INK, so the colour command dyes all of it;
// strands, partings and shine are gaps of PAPER, through which the face or
// the back half shows. Long styles have a back half; short ones have none.
#include <cmath>

#include "draw.h"
#include "parts.h"

const double PI = 3.14159265358979323846;
const double CENTRE = CANVAS_WIDTH / 2.0;

namespace {

// The distance from the canvas's centre line: most styles are symmetric.
double Fold(double x) { return x < CENTRE ? x : CANVAS_WIDTH - x; }

Point Mirror(Point p) { return {CANVAS_WIDTH - p.x, p.y}; }

Image NewHair() { return Image(CANVAS_WIDTH, CANVAS_HEIGHT, PAPER); }

// The top of the head, a little larger than every face's crown.
bool InSkull(double x, double y, double grow) { return InEllipse(x, y, 40, 40, 33 + grow, 36 + grow); }

// A gap through the hair along a curve: a strand's edge or a parting.
void Gap(Image &image, Point a, Point b, Point c) { DrawCurveOver(image, a, b, c, PAPER, INK); }

void GapBothSides(Image &image, Point a, Point b, Point c) {
  Gap(image, a, b, c);
  Gap(image, Mirror(a), Mirror(b), Mirror(c));
}

// Strands from one point: gaps fanning out toward the ends given.
void Strands(Image &image, Point from, const std::vector<Point> &ends) {
  for (const Point &end : ends) {
    Point bend = {(from.x + end.x) / 2 + (end.x - from.x) * 0.3, from.y + (end.y - from.y) * 0.25};
    Gap(image, from, bend, end);
  }
}

// A short arc of shine across the crown, broken into dashes.
void Shine(Image &image, double cx, double cy, double rx, double ry) {
  for (double a = -0.9; a <= 0.9; a += 0.3) {
    double a0 = a + 0.04, a1 = a + 0.22;
    DrawLineOver(image, static_cast<int>(cx + rx * std::sin(a0)), static_cast<int>(cy - ry * std::cos(a0)),
                 static_cast<int>(cx + rx * std::sin(a1)), static_cast<int>(cy - ry * std::cos(a1)), PAPER, INK);
  }
}

// Whether (x, y) lies within radius of a chain of points, the radius going
// from r0 at the first point to r1 at the last: a tail or a lock of hair.
bool InChain(const std::vector<Point> &chain, double r0, double r1, double x, double y) {
  for (size_t i = 0; i < chain.size(); ++i) {
    double r = r0 + (r1 - r0) * i / (chain.size() - 1);
    if (InEllipse(x, y, chain[i].x, chain[i].y, r, r)) return true;
  }
  return false;
}

// The height of a row of locks between x0 and x1: tips reaching down to
// bottom, the hair between them ending at top.
double Locks(double x, double x0, double x1, int count, double top, double bottom) {
  double t = (x - x0) / (x1 - x0) * count;
  double within = t - std::floor(t);
  return top + (bottom - top) * (1 - std::fabs(within * 2 - 1));
}

// Long hair hanging behind the shoulders down to the canvas's bottom,
// ending in locks.
bool InLongBack(double x, double y, double wave, double reach) {
  double width = reach + wave * std::sin(y / 4.0) - (y > 84 ? (y - 84) * 0.25 : 0);
  if (InSkull(x, y, 3)) return true;
  if (y <= 40 || std::fabs(x + 0.5 - CENTRE) >= width) return false;
  return y < 100 - Locks(x, 4, 76, 9, 0, 6);
}

// Gaps running down long hair, from the head to its ends.
void HangingStrands(Image &image, int top, double wave) {
  for (double x : {9.0, 14.0, 19.0})
    for (int y = top; y < CANVAS_HEIGHT - 1; y += 4) {
      double sway0 = wave * std::sin(y / 4.0), sway1 = wave * std::sin((y + 4) / 4.0);
      Point a = {x + sway0, static_cast<double>(y)}, c = {x + sway1 - 0.5, y + 4.0};
      GapBothSides(image, a, {(a.x + c.x) / 2, (a.y + c.y) / 2}, c);
    }
}

Image HairFromRegion(const Region &inside) {
  Image image = NewHair();
  PaintRegion(image, inside, INK);
  return image;
}

// 1: short, parted at the side and swept across.
Image SideParting() {
  std::vector<Point> hairline = {{7, 44}, {12, 44}, {14.5, 40}, {16, 28}, {21, 23}, {30, 21.5}, {44, 19},
                                 {56, 18}, {62, 22}, {64.5, 36}, {66, 44}, {73, 44}};
  Image image = HairFromRegion(
      [&](double x, double y) { return InSkull(x, y, -1) && y < LineThrough(hairline, x, true); });
  // The gaps keep off the crown's outline of every face (rows 7 to 14 near
  // the centre line), which would show through them.
  Gap(image, {28.5, 4}, {28, 8}, {27, 12});
  Gap(image, {31, 6}, {48, 3}, {63, 15});
  for (double d : {0.0, 3.5}) Gap(image, {31, 15 + d}, {47, 13 + d}, {61, 19 + d});
  Gap(image, {26, 9}, {20, 12}, {16, 20});
  Gap(image, {25, 13}, {21, 16}, {18.5, 22});
  return image;
}

// 2: bob with straight bangs; the back falls to the jaw.
Image BobFront() {
  Image image = HairFromRegion([](double x, double y) {
    double f = Fold(x);
    if (InSkull(x, y, 1)) return f < 15.5 || y < 29;
    return f > 5 && f < 15.5 && y > 30 && y < 64 - (f < 9 ? (9 - f) * 1.5 : 0);
  });
  for (int x = 22; x <= 58; x += 6) DrawLineOver(image, x, 22, x + (x < 40 ? -1 : 1), 28, PAPER, INK);
  GapBothSides(image, {13, 36}, {12, 48}, {12.5, 60});
  Shine(image, 40, 40, 27, 31);
  return image;
}

Image BobBack() {
  Image image = HairFromRegion([](double x, double y) {
    double f = Fold(x);
    return InSkull(x, y, 3) || (f > 4 && y > 40 && y < 67 - (f < 12 ? (12 - f) * 1.2 : 0));
  });
  GapBothSides(image, {7, 44}, {7, 54}, {9, 62});
  return image;
}

// 3: long and straight, parted in the middle.
Image LongStraightFront() {
  std::vector<Point> hairline = {{14, 100}, {16, 44}, {19, 30}, {27, 21}, {38, 16}, {40, 13}};
  Image image = HairFromRegion([&](double x, double y) {
    double f = Fold(x);
    if (InSkull(x, y, 1) && y < LineThrough(hairline, f, true)) return true;
    return f > 5 && f < 15.5 && y > 30 && y < 92 - (15.5 - f) * 1.2;
  });
  Gap(image, {40, 4}, {40, 8}, {40, 13});
  Strands(image, {40, 6}, {{10, 80}, {13, 60}, {20, 28}, {30, 18}});
  Strands(image, {40, 6}, {Mirror({10, 80}), Mirror({13, 60}), Mirror({20, 28}), Mirror({30, 18})});
  return image;
}

Image LongStraightBack() {
  Image image = HairFromRegion([](double x, double y) { return InLongBack(x, y, 0, 36); });
  HangingStrands(image, 46, 0);
  return image;
}

// 4: short and spiky.
Image Spiky() {
  std::vector<Point> fringe;
  for (int i = 0; i <= 10; ++i) fringe.push_back({15.0 + i * 5, i % 2 ? 31.0 : 22.0});
  Image image = HairFromRegion([&](double x, double y) {
    double angle = std::atan2(y - 40, x - 40);
    double spikes = std::fabs(std::fmod(angle * 9 / PI + 100.5, 1.0) - 0.5) * 2;  // 0 at a tip
    double reach = y < 40 ? 33 + 6 * (1 - spikes) : 33;
    if (std::hypot((x - 40) / reach, (y - 40) / (reach + 3)) > 1) return false;
    if (Fold(x) < 15) return y < 44;
    return y < LineThrough(fringe, x, false);
  });
  Strands(image, {40, 16}, {{12, 10}, {22, 4}, {34, 1}, {46, 1}, {58, 4}, {68, 10}});
  return image;
}

// 5: a buzz cut: a thin cap with the scalp showing through.
Image Buzz() {
  std::vector<Point> hairline = {{11, 100}, {12.5, 42}, {13.5, 26}, {17, 21}, {26, 19.5}, {40, 19}};
  Image image = HairFromRegion([&](double x, double y) {
    return InEllipse(x, y, 40, 40.5, 31, 33.5) && y < LineThrough(hairline, Fold(x), true);
  });
  for (int y = 9; y < 44; y += 2)
    for (int x = (y / 2) % 2 ? 10 : 12; x < 70; x += 4)
      if (image.at(x, y) == INK && image.at(x + 1, y) == INK && image.at(x - 1, y) == INK &&
          image.at(x, y + 1) == INK)
        image.at(x, y) = PAPER;
  return image;
}

// 6: pulled back into a high ponytail; the tail hangs behind.
Image PonytailFront() {
  std::vector<Point> hairline = {{13, 100}, {15, 40}, {17, 24}, {26, 17}, {40, 15}};
  Image image = HairFromRegion(
      [&](double x, double y) { return InSkull(x, y, 0) && y < LineThrough(hairline, Fold(x), true); });
  Strands(image, {64, 10}, {{16, 30}, {22, 20}, {34, 14}, {48, 13}});
  return image;
}

Image PonytailBack() {
  std::vector<Point> tail = CurvePoints({62, 10}, {86, 18}, {72, 72}, 40);
  Image image = HairFromRegion([&](double x, double y) { return InSkull(x, y, 0) || InChain(tail, 8, 3, x, y); });
  Strands(image, {67, 14}, {{76, 58}, {72, 66}});
  PaintRegion(image, [&](double x, double y) { return InEllipse(x, y, 69, 13, 3, 5); }, RED);
  return image;
}

// 7: a round mass of curls.
bool InCurls(double x, double y, double cx, double cy, double r) {
  double angle = std::atan2(y - cy, x - cx);
  return std::hypot(x - cx, y - cy) < r + 2.5 * std::sin(angle * 14);
}

void CurlMarks(Image &image, int top, int bottom) {
  for (int y = top; y < bottom; y += 6)
    for (int x = (y / 6) % 2 ? 4 : 7; x < 76; x += 6)
      if (image.at(x, y) == INK && image.at(x + 2, y) == INK && image.at(x + 1, y + 2) == INK)
        DrawCurveOver(image, {x + 2.0, y + 0.0}, {x - 0.5, y + 0.5}, {x + 2.0, y + 2.0}, PAPER, INK);
}

Image CurlsFront() {
  Image image = HairFromRegion([](double x, double y) {
    if (!InCurls(x, y, 40, 34, 36)) return false;
    if (Fold(x) < 15) return y < 50;
    return y < 24 + 2.5 * std::sin(x * 0.9);
  });
  CurlMarks(image, 4, 48);
  return image;
}

Image CurlsBack() {
  Image image = HairFromRegion([](double x, double y) { return InCurls(x, y, 40, 40, 39) && y < 78; });
  CurlMarks(image, 4, 78);
  return image;
}

// 8: bangs and two tails tied at the sides.
Image TwinTailsFront() {
  std::vector<Point> bangs;
  for (int i = 0; i <= 8; ++i) bangs.push_back({16.0 + i * 6, i % 2 ? 30.0 : 25.0});
  Image image = HairFromRegion([&](double x, double y) {
    if (!InSkull(x, y, 1)) return false;
    return Fold(x) < 15.5 ? y < 46 : y < LineThrough(bangs, x, true);
  });
  Strands(image, {40, 5}, {{12, 40}, {20, 26}, {30, 27}});
  Strands(image, {40, 5}, {Mirror({12, 40}), Mirror({20, 26}), Mirror({30, 27})});
  Shine(image, 40, 40, 26, 30);
  return image;
}

Image TwinTailsBack() {
  std::vector<Point> tail = CurvePoints({9, 28}, {-2, 50}, {6, 92}, 40);
  Image image = HairFromRegion([&](double x, double y) {
    return InSkull(x, y, 1) || InChain(tail, 6, 3, x, y) || InChain(tail, 6, 3, CANVAS_WIDTH - x, y);
  });
  Strands(image, {9, 31}, {{3, 70}, {6, 88}});
  Strands(image, {71, 31}, {{77, 70}, {74, 88}});
  for (double cx : {9.0, 71.0})
    PaintRegion(image, [&](double x, double y) { return InEllipse(x, y, cx, 28, 4, 3); }, RED);
  return image;
}

// 9: bald on top, a fringe of hair left round the sides and the back.
bool InSideFringe(double x, double y) {
  double f = Fold(x);
  return InSkull(x, y, 0.5) && !InEllipse(x, y, 40, 42, 26.5, 34) && y > 24 + (f - 7) * 0.6 && y < 48 - (f < 9 ? (9 - f) * 1.5 : 0);
}

Image BaldFringe() {
  Image image = HairFromRegion(InSideFringe);
  GapBothSides(image, {10, 30}, {8.5, 37}, {9.5, 44});
  return image;
}

Image BaldFringeBack() {
  Image image = HairFromRegion([](double x, double y) { return InSkull(x, y, 2) && y > 28 && y < 64; });
  GapBothSides(image, {6, 40}, {6, 50}, {9, 58});
  return image;
}

// 10: long and wavy, swept to one side.
Image WavyFront() {
  std::vector<Point> hairline = {{13, 100}, {16, 40}, {20, 26}, {28, 18}, {31, 14}, {36, 18}, {48, 25},
                                 {58, 29}, {63, 38}, {65, 100}};
  Image image = HairFromRegion([&](double x, double y) {
    if (InSkull(x, y, 1) && y < LineThrough(hairline, x, true)) return true;
    double wave = 2 * std::sin(y / 5.0);
    double f = Fold(x);
    return y > 30 && y < 88 - (x < 40 ? 0 : 4) && f > 5 + wave && f < 15 + wave;
  });
  Strands(image, {31, 6}, {{12, 60}, {18, 30}, {26, 17}, {46, 22}, {60, 30}, {68, 60}});
  return image;
}

Image WavyBack() {
  Image image = HairFromRegion([](double x, double y) { return InLongBack(x, y, 2.5, 36); });
  HangingStrands(image, 48, 2.5);
  return image;
}

// 11: a tall quiff swept up at the front.
Image Quiff() {
  std::vector<Point> hairline = {{13, 100}, {15, 40}, {17, 22}, {26, 18}, {40, 17}};
  Image image = HairFromRegion([&](double x, double y) {
    bool head = InSkull(x, y, -1) && y < LineThrough(hairline, Fold(x), true);
    return head || (InEllipse(x, y, 43, 13, 26, 11) && y < 22);
  });
  Strands(image, {66, 14}, {{22, 7}, {28, 12}, {36, 16}});
  return image;
}

// 12: smoothed up into a bun on top.
Image Bun() {
  std::vector<Point> hairline = {{13, 100}, {15, 40}, {17, 24}, {26, 17}, {40, 15}};
  Image image = HairFromRegion([&](double x, double y) {
    return (InSkull(x, y, 0) && y < LineThrough(hairline, Fold(x), true)) || InEllipse(x, y, 40, 6, 11, 6.5);
  });
  Gap(image, {29, 9}, {40, 15}, {51, 9});
  Strands(image, {40, 13}, {{16, 32}, {22, 20}, {32, 16}});
  Strands(image, {40, 13}, {Mirror({16, 32}), Mirror({22, 20}), Mirror({32, 16})});
  Gap(image, {33, 4}, {40, 1}, {47, 4});
  return image;
}

// 13: parted in the middle, two braids over the shoulders.
std::vector<Point> BraidChain(double side) {
  std::vector<Point> chain;
  for (double y = 46; y <= 90; y += 4) chain.push_back({side * (10 + (y - 46) * 0.06) + (side < 0 ? 80 : 0), y});
  return chain;
}

Image BraidsFront() {
  std::vector<Point> hairline = {{14, 100}, {15, 46}, {19, 30}, {27, 21}, {38, 16}, {40, 13}};
  Image image = HairFromRegion([&](double x, double y) {
    double f = Fold(x);
    if (InSkull(x, y, 1) && y < LineThrough(hairline, f, true)) return true;
    if (f > 6 && f < 15.5 && y > 30 && y < 50) return true;
    for (const Point &p : BraidChain(1))
      if (InEllipse(f, y, p.x + ((static_cast<int>(p.y) / 4) % 2 ? 0.8 : -0.8), p.y, 3.6, 2.6)) return true;
    return f > 8 && f < 12 && y > 90 && y < 97 && std::fabs(f - 10) < (97 - y) * 0.35 + 0.5;
  });
  Gap(image, {40, 4}, {40, 8}, {40, 13});
  Strands(image, {40, 6}, {{12, 44}, {20, 28}, {30, 18}});
  Strands(image, {40, 6}, {Mirror({12, 44}), Mirror({20, 28}), Mirror({30, 18})});
  // The plaits: a chevron gap between each pair of lobes, and a tie.
  for (double side : {1.0, -1.0})
    for (const Point &p : BraidChain(side)) {
      double x = p.x, y = p.y + 2;
      DrawLineOver(image, static_cast<int>(x - 3), static_cast<int>(y - 1), static_cast<int>(x), static_cast<int>(y + 1),
                   PAPER, INK);
      DrawLineOver(image, static_cast<int>(x), static_cast<int>(y + 1), static_cast<int>(x + 3), static_cast<int>(y - 1),
                   PAPER, INK);
    }
  for (double cx : {10.6, 69.4})
    PaintRegion(image, [&](double x, double y) { return InEllipse(x, y, cx, 91.5, 2.6, 1.5); }, RED);
  return image;
}

Image BraidsBack() {
  Image image = HairFromRegion([](double x, double y) { return InSkull(x, y, 2) && y < 56; });
  GapBothSides(image, {8, 36}, {7, 44}, {8, 52});
  return image;
}

// 14: curtains: a middle parting with the fringe falling to both sides.
Image Curtains() {
  std::vector<Point> hairline = {{7, 46}, {13, 46}, {15, 34}, {20, 26}, {30, 27}, {37, 21}, {40, 15}};
  Image image = HairFromRegion(
      [&](double x, double y) { return InSkull(x, y, 0) && y < LineThrough(hairline, Fold(x), true); });
  Gap(image, {40, 5}, {40, 10}, {40, 15});
  for (double d : {0.0, 4.0, 8.0}) GapBothSides(image, {38, 8 + d}, {28, 12 + d}, {17, 24 + d});
  return image;
}

// 15: a mohawk: a crest of spikes, the sides shaved to stubble.
Image Mohawk() {
  Image image = HairFromRegion([](double x, double y) {
    double d = std::fabs(x + 0.5 - CENTRE);
    if (d < 6.5 && y > Locks(x, 33.5, 46.5, 3, 2, -4) && y < 22) return true;
    if (y < 6 || y > 21) return false;
    return d < 6.5 - (6 - y) * 0.5 && InSkull(x, y, 6);
  });
  // The stubble: dots over the rest of the skull.
  for (int y = 10; y < 42; y += 3)
    for (int x = 10 + (y / 3) % 2; x < 70; x += 2)
      if (std::fabs(x + 0.5 - CENTRE) > 8 && InSkull(x + 0.5, y + 0.5, -2) &&
          y < LineThrough({{10, 100}, {14, 42}, {20, 22}, {33, 18}}, Fold(x + 0.5), true))
        image.at(x, y) = INK;
  Gap(image, {40, 2}, {40, 10}, {40, 20});
  return image;
}

// 16: a bowl cut: one straight line round the head.
Image Bowl() {
  Image image = HairFromRegion([](double x, double y) {
    if (!InSkull(x, y, 1.5)) return false;
    return y < (Fold(x) < 16 ? 44 : 29);
  });
  for (double f : {13.0, 16.0}) GapBothSides(image, {f + 1, 30}, {f, 37}, {f, 43});
  Shine(image, 40, 40, 28, 31);
  for (int x = 20; x <= 60; x += 4) DrawLineOver(image, x, 26, x, 28, PAPER, INK);
  return image;
}

// 17: slicked back from a widow's peak.
Image SlickedBack() {
  std::vector<Point> hairline = {{11, 100}, {13, 42}, {15, 26}, {23, 17}, {31, 15.5}, {36, 18}, {40, 22}};
  Image image = HairFromRegion(
      [&](double x, double y) { return InSkull(x, y, -1.5) && y < LineThrough(hairline, Fold(x), false); });
  for (double f : {24.0, 31.0, 37.0}) GapBothSides(image, {f, 22 - (f - 24) * 0.2}, {f - 3, 10}, {f - 8, 6});
  Gap(image, {40, 19}, {40, 12}, {40, 5});
  return image;
}

// 18: long and curly.
Image LongCurlyFront() {
  std::vector<Point> hairline = {{14, 100}, {15, 44}, {18, 30}, {26, 22}, {40, 19}};
  Image image = HairFromRegion([&](double x, double y) {
    double f = Fold(x);
    double bumps = 1.8 * std::sin(y * 0.8) + 1.5 * std::sin(f * 1.1);
    if (InSkull(x, y, 1.5 + bumps * 0.5) && y < LineThrough(hairline, f, true) + bumps) return true;
    return f > 3 + bumps && f < 15.5 && y > 30 && y < 90 + bumps;
  });
  CurlMarks(image, 4, 90);
  return image;
}

Image LongCurlyBack() {
  Image image = HairFromRegion([](double x, double y) {
    double angle = std::atan2(y - 50, x - 40);
    return InSkull(x, y, 4) || (y > 40 && y < 98 && std::fabs(x - 40) < 39 + 2 * std::sin(angle * 20) - (y > 88 ? (y - 88) : 0));
  });
  CurlMarks(image, 40, 96);
  return image;
}

// 19: short, with the hairline receded at the temples.
Image Receding() {
  std::vector<Point> hairline = {{11, 100}, {12.5, 42}, {13.5, 26}, {16, 19}, {22, 13}, {28, 14}, {34, 18},
                                 {40, 20}};
  Image image = HairFromRegion(
      [&](double x, double y) { return InSkull(x, y, -1) && y < LineThrough(hairline, Fold(x), true); });
  for (double d : {0.0, 4.0}) GapBothSides(image, {36, 10 + d}, {38, 6 + d * 0.5}, {40, 5 + d});
  GapBothSides(image, {13, 38}, {13, 30}, {15, 22});
  return image;
}

// 20: a pixie cut with a long fringe swept to one side.
Image Pixie() {
  std::vector<Point> hairline = {{8, 40}, {12, 40}, {15, 33}, {20, 29}, {30, 28}, {44, 30}, {54, 34},
                                 {60, 36}, {63, 30}, {64.5, 38}, {67, 40}, {72, 40}};
  Image image = HairFromRegion([&](double x, double y) {
    return InSkull(x, y, 0) && y < LineThrough(hairline, x, true);
  });
  for (double d : {0.0, 4.0, 8.0}) Gap(image, {22, 8 + d}, {42, 14 + d}, {58, 26 + d * 0.6});
  Gap(image, {20, 12}, {15, 18}, {13, 30});
  return image;
}

}  // namespace

void DrawHair(PartLibrary &library) {
  struct Style {
    Image (*front)();
    Image (*back)();  // none for short hair
  };
  const Style styles[] = {
      {SideParting, nullptr},      {BobFront, BobBack},   {LongStraightFront, LongStraightBack},
      {Spiky, nullptr},            {Buzz, nullptr},       {PonytailFront, PonytailBack},
      {CurlsFront, CurlsBack},     {TwinTailsFront, TwinTailsBack}, {BaldFringe, BaldFringeBack},
      {WavyFront, WavyBack},       {Quiff, nullptr},      {Bun, nullptr},
      {BraidsFront, BraidsBack},   {Curtains, nullptr},   {Mohawk, nullptr},
      {Bowl, nullptr},             {SlickedBack, nullptr}, {LongCurlyFront, LongCurlyBack},
      {Receding, nullptr},         {Pixie, nullptr},
  };
  int number = 1;
  for (const Style &style : styles) {
    library.push_back({PartName('b', number), style.front()});
    if (style.back) library.push_back({PartName('0', number), style.back()});
    ++number;
  }
}
