// The portraits a user gets by choosing a face and then the first part of
// every other category in turn, without moving anything: composed here layer
// by layer from the shipped files at the program's default placements, one
// for every face, then checked for sense.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "catalogue.h"
#include "portrait.h"
#include "parts/shipped_parts.h"

namespace {

// One layer of the portrait: which canvas pixels it paints (white is
// transparent), both copies of a pair.
struct Layer {
  std::string name;
  int x = 0, y = 0, width = 0, height = 0;
  bool pair = false;
  std::vector<char> opaque = std::vector<char>(CANVAS_W * CANVAS_H, 0);
  int offCanvas = 0;

  bool at(int px, int py) const {
    return px >= 0 && py >= 0 && px < CANVAS_W && py < CANVAS_H && opaque[py * CANVAS_W + px];
  }
  template <class Visit>
  void forEach(Visit visit) const {
    for (int py = 0; py < CANVAS_H; ++py)
      for (int px = 0; px < CANVAS_W; ++px)
        if (opaque[py * CANVAS_W + px]) visit(px, py);
  }
  int top() const {
    int found = CANVAS_H;
    forEach([&](int, int py) { found = std::min(found, py); });
    return found;
  }
  int bottom() const {
    int found = -1;
    forEach([&](int, int py) { found = std::max(found, py); });
    return found;
  }
};

void Paint(Layer &layer, int px, int py) {
  if (px < 0 || py < 0 || px >= CANVAS_W || py >= CANVAS_H)
    ++layer.offCanvas;
  else
    layer.opaque[py * CANVAS_W + px] = 1;
}

Layer PlaceLayer(const std::string &name) {
  Layer layer;
  layer.name = name;
  PartBitmap part = ReadPartBitmap(ShippedPartPath(name));
  if (!part.problem.empty()) return layer;
  PartPosition position = DefaultPosition(name, part.width, part.height);
  layer.x = position.x, layer.y = position.y, layer.pair = position.pair;
  layer.width = part.width, layer.height = part.height;
  for (int py = 0; py < part.height; ++py)
    for (int px = 0; px < part.width; ++px) {
      if (part.at(px, py) == WHITE) continue;
      Paint(layer, position.x + px, position.y + py);
      // The right copy is the left one reflected in the canvas's centre line.
      if (position.pair) Paint(layer, CANVAS_W - position.x - part.width + (part.width - 1 - px), position.y + py);
    }
  return layer;
}

// The given face and the first part of each other category, as the first
// palette cell shows it where the file system lists names in order, placed;
// the back hair with the hair when it has one. Keyed by LayerTable slot, the
// drawing order.
std::map<int, Layer> ComposeDefaultPortrait(const std::string &face) {
  std::map<int, std::string> first = {{CAT_FACE, face}};
  for (const std::string &name : ShippedPartNames()) {
    int category = PartNameCategory(name.c_str());
    if (category != CAT_BACK_HAIR && !first.count(category)) first[category] = name;
  }
  std::map<int, Layer> layers;
  for (const auto &[category, name] : first) layers[category] = PlaceLayer(name);
  std::string back = first[CAT_HAIR];
  ReplaceSubstring(&back[0], "kao-b-", "kao-0-");
  std::vector<std::string> names = ShippedPartNames();
  if (std::count(names.begin(), names.end(), back)) layers[CAT_BACK_HAIR] = PlaceLayer(back);
  return layers;
}

class DefaultPortrait : public testing::Test {
 protected:
  void SetUp() override {
    for (const std::string &name : ShippedPartNames())
      if (PartNameCategory(name.c_str()) == CAT_FACE) portraits.push_back(ComposeDefaultPortrait(name));
    ASSERT_FALSE(portraits.empty());
    for (auto &portrait : portraits)
      for (int category : {CAT_FACE, CAT_OTHER, CAT_EYES, CAT_EYEBROWS, CAT_NOSE, CAT_MOUTH, CAT_EARS,
                           CAT_MOUSTACHE, CAT_BEARD, CAT_HAIR, CAT_GLASSES})
        ASSERT_TRUE(portrait.count(category) && portrait[category].width > 0)
            << "no first part of category " << category;
  }
  // Runs check on the portrait of every face in turn.
  template <class Check>
  void ForEveryFace(Check check) {
    for (auto &portrait : portraits) {
      layers = &portrait;
      SCOPED_TRACE(portrait[CAT_FACE].name);
      check();
    }
  }
  const Layer &layer(int category) { return (*layers)[category]; }
  std::vector<std::map<int, Layer>> portraits;
  std::map<int, Layer> *layers = nullptr;
};

}  // namespace

TEST_F(DefaultPortrait, EveryLayerLiesOnTheCanvas) {
  ForEveryFace([&] {
    for (const auto &[category, layer] : *layers) {
      SCOPED_TRACE(layer.name);
      EXPECT_GE(layer.x, 0);
      EXPECT_GE(layer.y, 0);
      EXPECT_LE(layer.x + layer.width, CANVAS_W);
      EXPECT_LE(layer.y + layer.height, CANVAS_H);
      EXPECT_EQ(layer.offCanvas, 0);
    }
  });
}

TEST_F(DefaultPortrait, EyesEyebrowsNoseAndMouthLieInsideTheFace) {
  ForEveryFace([&] {
    const Layer &face = layer(CAT_FACE);
    for (int category : {CAT_EYES, CAT_EYEBROWS, CAT_NOSE, CAT_MOUTH}) {
      SCOPED_TRACE(layer(category).name);
      int outside = 0, drawn = 0;
      layer(category).forEach([&](int x, int y) {
        ++drawn;
        outside += !face.at(x, y);
      });
      EXPECT_GT(drawn, 0);
      EXPECT_EQ(outside, 0);
    }
  });
}

TEST_F(DefaultPortrait, FeaturesRunFromEyebrowsOverEyesAndNoseToMouth) {
  ForEveryFace([&] {
    const Layer &brows = layer(CAT_EYEBROWS), &eyes = layer(CAT_EYES), &nose = layer(CAT_NOSE), &mouth = layer(CAT_MOUTH);
    EXPECT_LT(brows.bottom(), eyes.top());
    int eyeMiddle = (eyes.top() + eyes.bottom()) / 2;
    EXPECT_GT(nose.top(), eyeMiddle);
    EXPECT_LT(nose.bottom(), mouth.top());
    // Across, the nose lies between the two eyes.
    int leftEye = eyes.x + eyes.width / 2, rightEye = CANVAS_W - leftEye;
    int noseLeft = CANVAS_W, noseRight = -1;
    nose.forEach([&](int x, int) { noseLeft = std::min(noseLeft, x), noseRight = std::max(noseRight, x); });
    EXPECT_GT(noseLeft, leftEye);
    EXPECT_LT(noseRight, rightEye);
  });
}

// Each ear joins the face (overlapping it or next to it) and sticks out
// beyond the face's side.
TEST_F(DefaultPortrait, EarsTouchTheFaceOnBothSides) {
  ForEveryFace([&] {
    const Layer &face = layer(CAT_FACE), &ears = layer(CAT_EARS);
    for (bool left : {true, false}) {
      SCOPED_TRACE(left ? "left ear" : "right ear");
      bool touches = false;
      int earOuter = left ? CANVAS_W : -1, faceOuter = left ? CANVAS_W : -1;
      ears.forEach([&](int x, int y) {
        if ((x < CANVAS_W / 2) != left) return;
        touches = touches || face.at(x, y) || face.at(x - 1, y) || face.at(x + 1, y) || face.at(x, y - 1) ||
                  face.at(x, y + 1);
        earOuter = left ? std::min(earOuter, x) : std::max(earOuter, x);
        for (int fx = 0; fx < CANVAS_W; ++fx)
          if (face.at(fx, y) && (fx < CANVAS_W / 2) == left) faceOuter = left ? std::min(faceOuter, fx) : std::max(faceOuter, fx);
      });
      EXPECT_TRUE(touches);
      if (left) {
        EXPECT_LT(earOuter, faceOuter);
      } else {
        EXPECT_GT(earOuter, faceOuter);
      }
    }
  });
}

TEST_F(DefaultPortrait, FrontHairCoversTheTopOfTheFace) {
  ForEveryFace([&] {
    const Layer &face = layer(CAT_FACE), &hair = layer(CAT_HAIR);
    int crown = face.top();
    EXPECT_LT(hair.top(), crown);
    for (int x = 0; x < CANVAS_W; ++x) {
      if (face.at(x, crown)) {
        EXPECT_TRUE(hair.at(x, crown)) << "crown pixel at x " << x << " shows";
      }
    }
  });
}

// In the composed portrait no later layer hides any pixel of the eyes,
// eyebrows, nose or mouth: hair, beard, moustache and glasses leave the
// features free. Every moustache, not only the first, keeps off the nose
// and the mouth.
TEST_F(DefaultPortrait, NothingDrawnLaterHidesTheFeatures) {
  ForEveryFace([&] {
    for (int feature : {CAT_EYES, CAT_EYEBROWS, CAT_NOSE, CAT_MOUTH}) {
      for (const auto &[category, over] : *layers) {
        if (category <= feature) continue;
        int hidden = 0;
        layer(feature).forEach([&](int x, int y) { hidden += over.at(x, y); });
        EXPECT_EQ(hidden, 0) << over.name << " hides " << layer(feature).name;
      }
    }
  });  for (const std::string &name : ShippedPartNames()) {
    if (PartNameCategory(name.c_str()) != CAT_MOUSTACHE) continue;
    Layer moustache = PlaceLayer(name);
    for (int feature : {CAT_NOSE, CAT_MOUTH}) {
      const Layer &below = portraits.front()[feature];
      int hidden = 0;
      below.forEach([&](int x, int y) { hidden += moustache.at(x, y); });
      EXPECT_EQ(hidden, 0) << name << " hides " << below.name;
    }
  }
}
