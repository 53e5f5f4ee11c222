// The "other" pieces (kao-2-). The two characters after kao-2- decide how
// the program places a new piece: "00" a mirrored pair at eye height, "0"
// and another character a pair at cheek height, anything else one piece
// centred low on the face. Pairs are drawn as the copy on the viewer's left.
//
// A new piece takes its colour from its first pixel that is neither black
// nor white, reading from the bottom row up, left to right; that colour then
// replaces its black. Pieces with a fill therefore carry a line colour in
// that first place (SetLineColour), so that their black outline comes out a
// darker shade of the fill rather than vanishing into it.
#include <cmath>

#include "draw.h"
#include "parts.h"

namespace {

Image NewCanvas() { return Image(CANVAS_WIDTH, CANVAS_HEIGHT, PAPER); }

// Paints the first drawn pixel, in the order the program reads a new piece's
// colour, with colour: that becomes the colour of the piece's black.
Image SetLineColour(Image image, Rgb colour) {
  for (int y = image.height - 1; y >= 0; --y)
    for (int x = 0; x < image.width; ++x)
      if (!(image.at(x, y) == PAPER)) {
        image.at(x, y) = colour;
        return image;
      }
  return image;
}

void FilledShape(Image &canvas, const Region &inside, Rgb fill) { FillRegion(canvas, inside, fill, INK); }

// A drop with its point at the top.
bool InDrop(double x, double y, double cx, double top, double r) {
  double cy = top + r * 2.2;
  if (y >= cy) return InEllipse(x, y, cx, cy, r, r);
  return y >= top && std::fabs(x - cx) <= r * (y - top) / (cy - top);
}

// A four-pointed star, 9 x 9, centred on (x + 4, y + 4).
void StampStar(Image &image, int x, int y) {
  Stamp(image,
        ImageFromText({"....k....",
                       "....k....",
                       "...kyk...",
                       "..kyyyk..",
                       "kkyyyyykk",
                       "..kyyyk..",
                       "...kyk...",
                       "....k....",
                       "....k...."},
                      {{'k', INK}, {'y', GOLD}}),
        x, y);
}

// A heart, its dip at the top.
bool InHeart(double x, double y, double cx, double cy, double r) {
  double u = (x - cx) / r, v = (cy - y) / r;
  double a = u * u + v * v - 0.6;
  return a * a * a - u * u * v * v * v * 1.1 <= 0;
}

// Each piece is drawn on the canvas where it belongs and cut out at the
// smallest size that the program then puts back in the same place.

Image HighPair(const std::function<void(Image &)> &draw) {
  Image canvas = NewCanvas();
  draw(canvas);
  return FitPart(canvas, KIND_PAIR_HIGH);
}

// A hat or a band on top of the head, drawn whole on the canvas: the pair's
// left copy holds its left half and the mirrored copy makes the right half.
Image HighPairWhole(const std::function<void(Image &)> &draw) {
  Image canvas = NewCanvas();
  draw(canvas);
  for (int y = 0; y < canvas.height; ++y)
    for (int x = CANVAS_WIDTH / 2; x < canvas.width; ++x) canvas.at(x, y) = PAPER;
  return FitPart(canvas, KIND_PAIR_HIGH);
}

Image LowPair(const std::function<void(Image &)> &draw) {
  Image canvas = NewCanvas();
  draw(canvas);
  return FitPart(canvas, KIND_PAIR_LOW);
}

Image Single(const std::function<void(Image &)> &draw) {
  Image canvas = NewCanvas();
  draw(canvas);
  return FitPart(canvas, KIND_SINGLE_PIECE);
}

}  // namespace

void DrawPieces(PartLibrary &library) {
  auto add = [&](const char *rest, Image image) { library.push_back({std::string("kao-2-") + rest + ".bmp", image}); };
  const Rgb BLUSH_LINE = {235, 110, 130}, WATER_LINE = {40, 110, 210}, GOLD_LINE = {190, 130, 0};
  const Rgb RED_LINE = {150, 20, 30}, PLASTER_LINE = {170, 110, 60};

  add("001", SetLineColour(HighPair([&](Image &c) {  // rosy cheeks
    FilledShape(c, [](double x, double y) { return InEllipse(x, y, 25, 55, 5.5, 3); }, BLUSH);
  }), BLUSH_LINE));
  add("002", HighPair([](Image &c) {  // bags under the eyes
    DrawCurve(c, {22, 50}, {28, 53}, {34, 50}, INK);
  }));
  add("003", SetLineColour(HighPair([&](Image &c) {  // tears
    FilledShape(c, [](double x, double y) { return InDrop(x, y, 33, 49, 2.2); }, WATER);
  }), WATER_LINE));
  add("004", HighPair([](Image &c) {  // crow's feet
    DrawLine(c, 19, 43, 16, 41, INK);
    DrawLine(c, 19, 45, 15, 45, INK);
    DrawLine(c, 19, 47, 16, 49, INK);
  }));
  add("005", HighPair([](Image &c) {  // long lashes
    for (int i = 0; i < 4; ++i) DrawLine(c, 22 + i * 3, 41 - (i == 0 || i == 3 ? 0 : 1), 21 + i * 3, 38 - (i == 0 || i == 3 ? 0 : 1), INK);
  }));
  add("006", SetLineColour(HighPair([&](Image &c) {  // sparkle
    StampStar(c, 13, 33);
  }), GOLD_LINE));
  add("007", SetLineColour(HighPair([&](Image &c) {  // shadows under the eyes
    FilledShape(c, [](double x, double y) { return InEllipse(x, y, 28, 50.5, 6, 2) && y > 49.5; }, Rgb{180, 160, 210});
  }), Rgb{130, 100, 170}));
  add("008", HighPair([](Image &c) {  // heavy bags under the eyes
    DrawCurve(c, {21, 50}, {28, 54}, {35, 50}, INK);
    DrawCurve(c, {23, 53}, {28.5, 56}, {34, 53}, INK);
  }));
  // Hats and bands sit on a bare crown: the front hair is drawn over them.
  add("009", SetLineColour(HighPairWhole([&](Image &c) {  // crown
    FilledShape(c, [](double x, double y) {
      if (std::fabs(x - 40) > 13 || y > 15) return false;
      double tip = std::fabs(std::fmod(x - 27 + 300, 6.5) - 3.25);  // 0 at a point
      return y > 1 + tip * 2.2 || y > 9;
    }, GOLD);
    for (double cx : {30.0, 40.0, 50.0}) PaintRegion(c, [cx](double x, double y) { return InEllipse(x, y, cx, 12, 1.2, 1.2); }, RED);
  }), GOLD_LINE));
  add("00a", SetLineColour(HighPairWhole([&](Image &c) {  // party hat
    FilledShape(c, [](double x, double y) { return y > 3 && y < 16 && std::fabs(x - 40) < (y - 2) * 0.85; }, WATER);
    for (int band : {6, 11}) PaintRegion(c, [band](double x, double y) {
      return std::fabs(y - band - (x - 40) * 0.3) < 1.2 && std::fabs(x - 40) < (y - 2) * 0.85 - 1 && y < 15;
    }, GOLD);
    FilledShape(c, [](double x, double y) { return InEllipse(x, y, 40, 2.5, 2.5, 2.5); }, RED);
  }), WATER_LINE));
  add("00b", SetLineColour(HighPairWhole([&](Image &c) {  // top hat
    PaintRegion(c, [](double x, double y) {
      return (std::fabs(x - 40) < 11.5 && y < 13) || (InEllipse(x, y, 40, 13, 21, 2.5));
    }, INK);
    PaintRegion(c, [](double x, double y) { return std::fabs(x - 40) < 10.5 && y > 8.5 && y < 11; }, RED);
  }), Rgb{70, 70, 85}));
  add("00c", SetLineColour(HighPairWhole([&](Image &c) {  // cat ears on a band
    for (double cx : {24.0, 56.0}) {
      FilledShape(c, [cx](double x, double y) { return y < 16 && std::fabs(x - cx) < (y - 1) * 0.55; }, Rgb{110, 90, 80});
      PaintRegion(c, [cx](double x, double y) { return y > 6 && y < 14 && std::fabs(x - cx) < (y - 5) * 0.35; }, BLUSH);
    }
    PaintRegion(c, [](double x, double y) { return std::fabs(y - 14 - std::pow((x - 40) / 14, 2) * 4) < 1 && std::fabs(x - 40) < 22; }, INK);
  }), Rgb{70, 55, 50}));
  add("00d", SetLineColour(HighPairWhole([&](Image &c) {  // bow on top
    FilledShape(c, [](double x, double y) {
      double d = std::fabs(x - 40);
      return d < 12 && std::fabs(y - 8) <= 1.5 + d * 0.45;
    }, RED);
    FilledShape(c, [](double x, double y) { return std::fabs(x - 40) < 2.5 && std::fabs(y - 8) < 3; }, Rgb{180, 30, 40});
  }), RED_LINE));

  add("011", SetLineColour(LowPair([&](Image &c) {  // blush
    FilledShape(c, [](double x, double y) { return InEllipse(x, y, 25, 58, 6, 3.5); }, BLUSH);
    for (int i = 0; i < 3; ++i) DrawLine(c, 21 + i * 3, 60, 23 + i * 3, 56, INK);
  }), BLUSH_LINE));
  add("012", SetLineColour(LowPair([&](Image &c) {  // freckles
    const int dots[][2] = {{20, 56}, {23, 58}, {26, 55}, {21, 60}, {25, 61}, {28, 58}, {18, 58}};
    for (const auto &d : dots) c.at(d[0], d[1]) = INK;
  }), FRECKLE));
  add("013", SetLineColour(LowPair([&](Image &c) {  // swirl
    std::vector<Point> spiral;
    for (int i = 0; i <= 60; ++i) {
      double a = i * 0.2, r = 0.8 + i * 0.075;
      spiral.push_back({24 + r * std::cos(a), 58 + r * std::sin(a) * 0.8});
    }
    DrawPolyline(c, spiral, INK);
  }), RED));
  add("014", LowPair([](Image &c) {  // dimples
    DrawCurve(c, {30, 72}, {29, 74}, {30.5, 76}, INK);
  }));
  add("015", LowPair([](Image &c) {  // lines from nose to mouth
    DrawCurve(c, {33, 60}, {29, 66}, {30, 72}, INK);
  }));
  add("016", SetLineColour(LowPair([&](Image &c) {  // sticking plaster
    FilledShape(c, [](double x, double y) {
      double u = (x - 24) * 0.8 + (y - 58) * 0.6, v = -(x - 24) * 0.6 + (y - 58) * 0.8;
      return std::fabs(u) < 6.5 && std::fabs(v) < 2.5;
    }, PLASTER);
    FilledShape(c, [](double x, double y) { return InEllipse(x, y, 24, 58, 2.2, 2.2); }, Rgb{225, 165, 120});
  }), PLASTER_LINE));
  add("017", LowPair([](Image &c) {  // lines down the cheeks
    DrawCurve(c, {19, 58}, {21, 64}, {26, 68}, INK);
  }));
  add("018", SetLineColour(LowPair([&](Image &c) {  // a spray of freckles
    const int dots[][2] = {{17, 55}, {20, 54}, {23, 55}, {26, 54}, {29, 56}, {19, 57}, {22, 58}, {25, 57},
                           {28, 59}, {18, 60}, {21, 61}, {24, 60}, {27, 62}, {31, 58}};
    for (const auto &d : dots) c.at(d[0], d[1]) = INK;
  }), FRECKLE));

  add("101", Single([](Image &c) {  // mole
    PaintRegion(c, [](double x, double y) { return InEllipse(x, y, 52, 60, 1.2, 1.2); }, INK);
  }));
  add("102", SetLineColour(Single([&](Image &c) {  // drop of sweat
    FilledShape(c, [](double x, double y) { return InDrop(x, y, 62, 42, 2.8); }, WATER);
    DrawLine(c, 61, 49, 61, 50, EYE_WHITE);
  }), WATER_LINE));
  add("103", SetLineColour(Single([&](Image &c) {  // plaster over the nose
    FilledShape(c, [](double x, double y) { return std::fabs(x - 40) < 9 && std::fabs(y - 52) < 2.5; }, PLASTER);
    FilledShape(c, [](double x, double y) { return std::fabs(x - 40) < 3 && std::fabs(y - 52) < 2.5; }, Rgb{225, 165, 120});
  }), PLASTER_LINE));
  add("104", SetLineColour(Single([&](Image &c) {  // bow tie
    FilledShape(c, [](double x, double y) {
      double d = std::fabs(x - 40);
      return d < 10 && std::fabs(y - 94) <= 1 + d * 0.4;
    }, RED);
    FilledShape(c, [](double x, double y) { return std::fabs(x - 40) < 2 && std::fabs(y - 94) < 2; }, Rgb{180, 30, 40});
  }), RED_LINE));
  add("105", SetLineColour(Single([&](Image &c) {  // cross mark of anger
    Stamp(c,
          ImageFromText({"..k...k..",
                         "..k...k..",
                         "kk.....kk",
                         ".........",
                         ".........",
                         ".........",
                         "kk.....kk",
                         "..k...k..",
                         "..k...k.."},
                        {{'k', INK}}),
          56, 30);
  }), RED));
  add("106", Single([](Image &c) {  // scar with stitches
    DrawLine(c, 20, 52, 30, 62, INK);
    for (int i = 0; i < 4; ++i) DrawLine(c, 21 + i * 3, 56 + i * 3, 25 + i * 3, 52 + i * 3, INK);
  }));
  add("107", Single([](Image &c) {  // beauty spot by the mouth
    PaintRegion(c, [](double x, double y) { return std::fabs(x - 49) < 1 && std::fabs(y - 69) < 1; }, INK);
  }));
  add("108", SetLineColour(Single([&](Image &c) {  // red nose
    FilledShape(c, [](double x, double y) { return InEllipse(x, y, 40, 61, 4.5, 4); }, RED);
    DrawLine(c, 38, 59, 38, 59, EYE_WHITE);
  }), RED_LINE));
  add("109", SetLineColour(Single([&](Image &c) {  // gold chain
    DrawCurve(c, {28, 90}, {40, 102}, {52, 90}, INK);
    FilledShape(c, [](double x, double y) { return InEllipse(x, y, 40, 97, 2.5, 2.5); }, GOLD);
  }), GOLD_LINE));
  add("110", SetLineColour(Single([&](Image &c) {  // shirt collar
    for (int side : {-1, 1})
      FilledShape(c, [side](double x, double y) {
        double d = (x - 40) * side;
        return d > 0 && d < 14 && y > 90 && y < 90 + (d < 7 ? d * 1.3 : 9.1 - (d - 7) * 0.9);
      }, EYE_WHITE);
  }), Rgb{90, 100, 130}));
  add("111", Single([](Image &c) {  // whiskers
    for (int side : {-1, 1})
      for (int i = -1; i <= 1; ++i) DrawLine(c, 40 + side * 9, 64 + i * 2, 40 + side * 20, 62 + i * 4, INK);
  }));
  add("112", SetLineColour(Single([&](Image &c) {  // heart on the cheek
    FilledShape(c, [](double x, double y) { return InHeart(x, y, 55, 59, 4); }, RED);
  }), RED_LINE));
  add("113", SetLineColour(Single([&](Image &c) {  // star on the cheek
    StampStar(c, 20, 55);
  }), GOLD_LINE));
  add("114", Single([](Image &c) {  // wrinkles across the forehead
    for (int i = 0; i < 3; ++i) DrawCurve(c, {28.0 + i, 20.0 + i * 4}, {40, 18.0 + i * 4}, {52.0 - i, 20.0 + i * 4}, INK);
  }));
  add("115", Single([](Image &c) {  // frown lines between the brows
    DrawLine(c, 37, 33, 38, 38, INK);
    DrawLine(c, 42, 33, 41, 38, INK);
  }));
  add("116", SetLineColour(Single([&](Image &c) {  // freckles over the nose
    const int dots[][2] = {{27, 54}, {30, 53}, {33, 55}, {29, 56}, {32, 57}, {35, 53}, {46, 55}, {49, 53},
                           {52, 54}, {44, 53}, {47, 57}, {50, 56}, {38, 51}, {41, 52}};
    for (const auto &d : dots) c.at(d[0], d[1]) = INK;
  }), FRECKLE));
  add("117", SetLineColour(Single([&](Image &c) {  // sweatband
    FilledShape(c, [](double x, double y) {
      double top = 17 + std::pow((x - 40) / 27, 2) * 7;
      return y > top && y < top + 6 && std::fabs(x - 40) < 28.5;
    }, RED);
    PaintRegion(c, [](double x, double y) {
      double top = 17 + std::pow((x - 40) / 27, 2) * 7;
      return std::fabs(y - top - 3) < 0.6 && std::fabs(x - 40) < 27;
    }, EYE_WHITE);
  }), RED_LINE));
  add("118", SetLineColour(Single([&](Image &c) {  // hair band with a flower
    PaintRegion(c, [](double x, double y) {
      double top = 16 + std::pow((x - 40) / 27, 2) * 9;
      return y > top && y < top + 2.5 && std::fabs(x - 40) < 28.5;
    }, INK);
    for (int petal = 0; petal < 5; ++petal) {
      double a = petal * 2 * 3.14159265358979 / 5;
      FilledShape(c, [a](double x, double y) { return InEllipse(x, y, 56 + 3.2 * std::sin(a), 21 - 3.2 * std::cos(a), 2.3, 2.3); }, BLUSH);
    }
    FilledShape(c, [](double x, double y) { return InEllipse(x, y, 56, 21, 1.5, 1.5); }, GOLD);
  }), Rgb{200, 60, 120}));
  add("119", Single([](Image &c) {  // gloom: lines hanging down the forehead
    for (int x = 27; x <= 53; x += 4) DrawLine(c, x, 16, x, 16 + (x % 8 ? 7 : 11), INK);
  }));
}
