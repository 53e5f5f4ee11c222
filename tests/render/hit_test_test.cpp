#include "hit_test.h"

#include <gtest/gtest.h>

#include <cstring>

#include "compositor.h"
#include "render/render_fixtures.h"

namespace {

void SetPart(PartSlot &slot, int mode, int x, int y, int width, int height, int angle = 0) {
  std::memset(&slot, 0, sizeof slot);
  std::strcpy(slot.path, "kao\\kao-5-001.bmp");
  slot.mode = mode;
  slot.x = x, slot.y = y, slot.width = width, slot.height = height, slot.angle = angle;
}

// Parts drawn solid but for a gap: the hair (slot 11) is transparent in its
// image's columns 10 to 19.
bool OpaqueButHairGap(const PartSlot &part, bool, POINT pixel, Failure *) {
  return &part != &LayerTable[CAT_HAIR] || pixel.x < 10 || pixel.x >= 20;
}

class PartAtTest : public testing::Test {
 protected:
  void SetUp() override { ResetPortrait(); }
  void TearDown() override { ResetPortrait(); }
};

// Canvas at (40, 45): the client point of a part position is 40 + x, 45 + y.
TEST_F(PartAtTest, FindsTheTopmostCopyDrawnAtAPoint) {
  SetPart(LayerTable[CAT_BACK_HAIR], MODE_SINGLE, 0, 0, 80, 60);
  SetPart(LayerTable[CAT_HAIR], MODE_SINGLE, 0, 0, 80, 20);
  SetPart(LayerTable[CAT_EYES], MODE_PAIR, 10, 40, 20, 10);   // right copy at x 50..69
  SetPart(PieceTable[0], MODE_SINGLE, 30, 40, 20, 20);
  SetPart(PieceTable[4], MODE_SINGLE, 35, 50, 10, 10);
  SetPart(LayerTable[CAT_DISABLED], MODE_SINGLE, 0, 70, 80, 10);
  SetPart(LayerTable[CAT_NOSE], MODE_SINGLE, 20, 83, 40, 4, 50);  // a bar turned about (80, 130)
  struct Case {
    int x, y;
    int slot, piece;
    bool mirrored;
  } cases[] = {
      {40 + 5, 45 + 5, CAT_HAIR, -1, false},
      {40 + 15, 45 + 5, CAT_BACK_HAIR, -1, false},   // through the hair's gap
      {40 + 15, 45 + 45, CAT_EYES, -1, false},
      {40 + 60, 45 + 45, CAT_EYES, -1, true},        // the mirrored copy
      {40 + 45, 45 + 45, CAT_OTHER, 0, false},       // a piece between the eyes
      {40 + 40, 45 + 55, CAT_OTHER, 4, false},       // the later piece on top
      {40 + 5, 45 + 75, -1, -1, false},              // the disabled part is looked through
      {96, 134, CAT_NOSE, -1, false},                // the turn reaches below the bar's rectangle
      {61, 131, -1, -1, false},                      // and leaves its corner
      {40 + 90, 45 + 5, -1, -1, false},
  };
  for (const Case &c : cases) {
    PartHit hit = PartAt(c.x, c.y, OpaqueButHairGap, nullptr);
    EXPECT_EQ(hit.slot, c.slot) << c.x << ", " << c.y;
    EXPECT_EQ(hit.piece, c.piece) << c.x << ", " << c.y;
    EXPECT_EQ(hit.mirrored, c.mirrored) << c.x << ", " << c.y;
  }
}

// Every pixel the compositor draws, and none it leaves, is a hit: a pair,
// turned, its file striped with white gaps, stretched down or at its own size.
TEST_F(PartAtTest, HitsExactlyThePixelsTheCompositorDraws) {
  PartFolder folder;
  folder.Write("kao\\kao-3-001.bmp", 33, 27, [](int x, int y) { return (x / 3 + y / 2) % 3 ? BLACK : WHITE; });
  for (int side : {23, 33}) {
    SetPart(LayerTable[CAT_EYES], MODE_PAIR, 6, 30, side, side * 27 / 33, 35);
    std::strcpy(LayerTable[CAT_EYES].path, "kao\\kao-3-001.bmp");
    Surface surface{200, 200};
    ComposePortrait(surface.window(), surface.dc());
    RECT bounds = PartBounds(LayerTable[CAT_EYES]);
    int drawn = 0;
    for (int y = bounds.top - 1; y <= bounds.bottom; ++y)
      for (int x = bounds.left - 1; x <= bounds.right; ++x) {
        bool black = surface.At(x, y) == BLACK;
        drawn += black;
        PartHit hit = PartUnderPoint(x, y, nullptr);
        ASSERT_EQ(hit.slot >= 0, black) << side << ": " << x << ", " << y;
        // An odd width's right copy reaches one column past the middle, over the left.
        if (black && x != 79) {
          EXPECT_EQ(hit.mirrored, x >= 80) << x << ", " << y;
        }
      }
    EXPECT_GT(drawn, 200) << side;
  }
}

// A flipped part is drawn, and hit, exactly as the same part unflipped
// from its file mirrored: at its file's size, stretched and turned, a
// category's part and a piece.
TEST_F(PartAtTest, AFlippedPartIsTheUnflippedPartMirrored) {
  PartFolder folder;
  auto pattern = [](int x, int y) { return (x * x + 3 * y) % 7 < 3 ? BLACK : WHITE; };
  folder.Write("kao\\kao-5-001.bmp", 17, 13, pattern);
  folder.Write("kao\\kao-5-002.bmp", 17, 13, [&](int x, int y) { return pattern(16 - x, y); });
  const struct {
    bool piece;
    int width, height, angle;
  } cases[] = {{false, 17, 13, 0}, {false, 24, 9, 0}, {true, 11, 20, 0}, {false, 17, 13, -35}, {true, 30, 20, 20}};
  for (const auto &c : cases) {
    ResetPortrait();
    PartSlot &part = c.piece ? PieceTable[3] : LayerTable[CAT_NOSE];
    bool &flipped = c.piece ? PieceFlipped[3] : LayerFlipped[CAT_NOSE];
    SetPart(part, MODE_SINGLE, 13, 20, c.width, c.height, c.angle);
    std::strcpy(part.path, "kao\\kao-5-002.bmp");
    Surface mirroredFile{200, 200}, flippedPart{200, 200};
    ComposePortrait(mirroredFile.window(), mirroredFile.dc());
    std::strcpy(part.path, "kao\\kao-5-001.bmp");
    flipped = true;
    ComposePortrait(flippedPart.window(), flippedPart.dc());
    RECT bounds = PartBounds(part);
    int drawn = 0;
    for (int y = bounds.top - 1; y <= bounds.bottom; ++y)
      for (int x = bounds.left - 1; x <= bounds.right; ++x) {
        bool black = flippedPart.At(x, y) == BLACK;
        ASSERT_EQ(black, mirroredFile.At(x, y) == BLACK) << c.width << ": " << x << ", " << y;
        ASSERT_EQ(PartUnderPoint(x, y, nullptr).slot >= 0, black) << c.width << ": " << x << ", " << y;
        drawn += black;
      }
    EXPECT_GT(drawn, c.width) << c.width;
  }
}

}  // namespace
