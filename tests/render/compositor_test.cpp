#include "compositor.h"

#include <gtest/gtest.h>

#include <cstring>

#include "catalogue.h"
#include "palette.h"
#include "render/render_fixtures.h"
#include "texts.h"

namespace {

const Bgr BACKGROUND = {200, 100, 50};

void SetPart(PartSlot &slot, const char *path, int mode, int x, int y, int width, int height,
             Bgr colour, int angle = 0) {
  std::memset(&slot, 0, sizeof slot);
  std::strcpy(slot.path, path);
  slot.mode = mode;
  slot.x = x;
  slot.y = y;
  slot.width = width;
  slot.height = height;
  slot.blue = colour.blue;
  slot.green = colour.green;
  slot.red = colour.red;
  slot.angle = angle;
}

Bgr Solid(int, int) { return BLACK; }

class ComposePortraitTest : public testing::Test {
 protected:
  void SetUp() override { ResetPortrait(); }
  void TearDown() override { ResetPortrait(); }
  Failure Paint() { return ComposePortrait(surface.window(), surface.dc()); }
  PartFolder folder;
  Surface surface{200, 200, BACKGROUND};
  FailureLog recorder;
};

TEST_F(ComposePortraitTest, WithEveryPartOffTheCanvasIsPlainWhite) {
  PieceTable[3].width = 20;  // a switched-off piece with values is skipped too
  Paint();
  EXPECT_EQ(surface.Count(WHITE), 80 * 100);
  EXPECT_TRUE((surface.Extent(WHITE) == RECT{40, 45, 120, 145}));
}

// Face: a black ring filled grey and (254, 255, 255), white outside; over a
// back hair; a nose with an enclosed white hole and a near-white spot.
TEST_F(ComposePortraitTest, PureWhiteIsTransparentEverywhereAndTheFaceIsFilled) {
  folder.Write("kao\\kao-0-001.bmp", 80, 100, Solid);
  folder.Write("kao\\kao-1-001.bmp", 80, 100, [](int x, int y) {
    if (x < 10 || x >= 70) return WHITE;
    if (x < 12 || x >= 68 || y < 2 || y >= 98) return BLACK;
    return y < 50 ? Bgr{100, 100, 100} : Bgr{254, 255, 255};
  });
  folder.Write("kao\\kao-5-001.bmp", 40, 40, [](int x, int y) {
    if (x < 4 || x >= 36 || y < 4 || y >= 36) return BLACK;
    if (x >= 8 && x < 16 && y >= 8 && y < 16) return Bgr{254, 255, 255};
    return WHITE;
  });
  const Bgr hair = {50, 60, 70}, face = {128, 255, 255}, nose = {10, 20, 30};
  SetPart(LayerTable[CAT_BACK_HAIR], "kao\\kao-0-001.bmp", MODE_SINGLE, 0, 0, 81, 101, hair);
  SetPart(LayerTable[CAT_FACE], "kao\\kao-1-001.bmp", MODE_SINGLE, 0, 0, 81, 101, face);
  SetPart(LayerTable[CAT_NOSE], "kao\\kao-5-001.bmp", MODE_SINGLE, 20, 30, 41, 41, nose);
  Paint();
  EXPECT_TRUE(surface.At(45, 90) == hair) << "white around the face";
  EXPECT_TRUE(surface.At(51, 90) == BLACK) << "the face's outline stays black";
  EXPECT_TRUE(surface.At(60, 55) == face) << "grey inside the face";
  EXPECT_TRUE(surface.At(60, 140) == face) << "near-white inside the face";
  EXPECT_TRUE(surface.At(61, 76) == nose) << "the nose's lines";
  EXPECT_TRUE(surface.At(80, 95) == face) << "white enclosed by the nose";
  EXPECT_TRUE((surface.At(72, 87) == Bgr{254, 255, 255})) << "near-white on the nose";
}

TEST_F(ComposePortraitTest, APartColouredWhiteStaysOpaqueAndBlackStaysBlack) {
  folder.Write("kao\\kao-1-001.bmp", 80, 100, [](int, int) { return Bgr{90, 90, 90}; });
  folder.Write("kao\\kao-6-001.bmp", 20, 20, Solid);
  const Bgr face = {1, 2, 3};
  SetPart(LayerTable[CAT_FACE], "kao\\kao-1-001.bmp", MODE_SINGLE, 0, 0, 80, 100, face);
  SetPart(LayerTable[CAT_MOUTH], "kao\\kao-6-001.bmp", MODE_SINGLE, 10, 10, 21, 21, WHITE);
  SetPart(LayerTable[CAT_GLASSES], "kao\\kao-6-001.bmp", MODE_SINGLE, 40, 10, 21, 21, BLACK);
  Paint();
  EXPECT_TRUE(surface.At(60, 65) == WHITE);
  EXPECT_TRUE(surface.At(90, 65) == BLACK);
  EXPECT_TRUE(surface.At(60, 90) == face);
}

TEST_F(ComposePortraitTest, LayersCoverEachOtherInSlotOrderWithThePiecesAfterTheFace) {
  folder.Write("kao\\p.bmp", 20, 20, Solid);
  folder.Write("kao\\g.bmp", 20, 20, [](int, int) { return Bgr{100, 100, 100}; });
  // From the top layer down: glasses, hair, ..., eyes, piece 9, piece 0, face, back hair.
  std::vector<PartSlot *> layers;
  for (int slot = CAT_GLASSES; slot >= CAT_EYES; --slot) layers.push_back(&LayerTable[slot]);
  layers.push_back(&PieceTable[9]);
  layers.push_back(&PieceTable[0]);
  layers.push_back(&LayerTable[CAT_FACE]);
  layers.push_back(&LayerTable[CAT_BACK_HAIR]);
  for (std::size_t i = 0; i < layers.size(); ++i) {
    Bgr colour = {static_cast<unsigned char>(10 * i + 5), 1, 2};
    // The face layer fills what is neither black nor white.
    const char *path = layers[i] == &LayerTable[CAT_FACE] ? "kao\\g.bmp" : "kao\\p.bmp";
    SetPart(*layers[i], path, MODE_SINGLE, 30, 40, 21, 21, colour);
  }
  for (std::size_t i = 0; i < layers.size(); ++i) {
    Paint();
    EXPECT_EQ(surface.At(80, 95).blue, 10 * i + 5) << "layer " << i << " from the top";
    layers[i]->mode = MODE_OFF;
  }
}

TEST_F(ComposePortraitTest, APaintOnlyReadsThePortrait) {
  folder.Write("kao\\p.bmp", 20, 20, Solid);
  SetPart(PieceTable[9], "kao\\p.bmp", MODE_PAIR, 3, 4, 5, 6, {7, 8, 9}, 10);
  SetPart(LayerTable[CAT_OTHER], "kao\\other.bmp", MODE_OFF, 1, 1, 1, 1, WHITE);
  SetPart(LayerTable[CAT_NOSE], "kao\\p.bmp", MODE_SINGLE, 30, 40, 21, 21, WHITE);
  PartSlot layers[LAYER_SLOTS], pieces[PIECE_SLOTS];
  std::memcpy(layers, LayerTable, sizeof layers);
  std::memcpy(pieces, PieceTable, sizeof pieces);
  Paint();
  EXPECT_EQ(std::memcmp(layers, LayerTable, sizeof layers), 0);
  EXPECT_EQ(std::memcmp(pieces, PieceTable, sizeof pieces), 0);
}

TEST_F(ComposePortraitTest, APairsCopiesAreMirrorImagesAboutTheCanvasCentre) {
  // Left half black, right half white with a black dot: easy to tell apart.
  folder.Write("kao\\kao-3-001.bmp", 20, 10, [](int x, int y) {
    return x < 10 || (x == 15 && y == 5) ? BLACK : WHITE;
  });
  SetPart(LayerTable[CAT_EYES], "kao\\kao-3-001.bmp", MODE_PAIR, 10, 40, 20, 10, {0, 0, 255}, 10);
  Paint();
  const Bgr eye = {0, 0, 255};
  RECT left = surface.Extent(eye);
  EXPECT_GT(surface.Count(eye, 40, 45, 80, 145), 80);
  // Every pixel of the left copy has its mirror image at 159 - x.
  int mismatches = 0, compared = 0;
  for (int y = 80; y < 100; ++y)
    for (int x = 45; x < 80; ++x) {
      ++compared;
      mismatches += !(surface.At(x, y) == surface.At(159 - x, y));
    }
  EXPECT_LE(mismatches, 2) << "of " << compared;
  EXPECT_EQ(left.left + left.right, 160) << "the two copies span a range symmetric about x = 80";
}

TEST_F(ComposePortraitTest, ReductionsKeepThinDarkLines) {
  // One-pixel lines on an even and an odd column, halved in width: picking
  // one column of each two would lose one of them. At 40 x 20 the turned
  // drawing keeps every column.
  folder.Write("kao\\kao-5-001.bmp", 80, 20, [](int x, int) { return x == 20 || x == 51 ? BLACK : WHITE; });
  SetPart(LayerTable[CAT_NOSE], "kao\\kao-5-001.bmp", MODE_SINGLE, 10, 10, 40, 20, {0, 200, 0});
  Paint();
  EXPECT_TRUE((surface.At(60, 65) == Bgr{0, 200, 0}));
  EXPECT_TRUE((surface.At(75, 65) == Bgr{0, 200, 0}));
  EXPECT_EQ(surface.Count({0, 200, 0}), 2 * 18);
}

TEST_F(ComposePortraitTest, NoSizeOrNoFileDrawsNothingAndTellsNothing) {
  folder.Write("kao\\p.bmp", 20, 20, Solid);
  WriteFileBytes(folder / "kao\\broken.bmp", std::vector<std::uint8_t>(60, 'B'));
  SetPart(LayerTable[CAT_FACE], "kao\\p.bmp", MODE_SINGLE, 0, 0, 0, 40, BLACK);
  SetPart(LayerTable[CAT_EYES], "kao\\p.bmp", MODE_PAIR, 0, 0, 30, 0, BLACK);
  SetPart(LayerTable[CAT_NOSE], "kao\\p.bmp", MODE_SINGLE, 0, 0, -4, -4, BLACK);
  SetPart(LayerTable[CAT_MOUTH], "kao\\missing.bmp", MODE_SINGLE, 0, 0, 20, 20, BLACK);
  SetPart(LayerTable[CAT_EARS], "kao\\broken.bmp", MODE_PAIR, 0, 0, 20, 20, BLACK);
  SetPart(LayerTable[CAT_HAIR], "kao\\p.bmp", MODE_SINGLE, 0, 0, 20, 20, {9, 9, 9});
  LayerTable[CAT_BACK_HAIR] = LayerTable[CAT_MOUTH];
  EXPECT_EQ(Paint().text, nullptr);
  EXPECT_EQ(surface.Count(WHITE) + surface.Count({9, 9, 9}), 80 * 100);
  EXPECT_GT(surface.Count({9, 9, 9}), 300);
}

TEST_F(ComposePortraitTest, APartReachingPastTheCanvasIsDrawnBeyondIt) {
  folder.Write("kao\\p.bmp", 20, 20, Solid);
  SetPart(LayerTable[CAT_NOSE], "kao\\p.bmp", MODE_SINGLE, -30, 90, 21, 21, {0, 0, 255});
  Paint();
  EXPECT_TRUE((surface.At(15, 145) == Bgr{0, 0, 255}));
}

// The paint shows nothing itself: the window that painted shows what it returns.
TEST_F(ComposePortraitTest, AnImageThatCannotBeMadeIsTheFailureItReturns) {
  folder.Write("kao\\p.bmp", 20, 20, Solid);
  SetPart(LayerTable[CAT_NOSE], "kao\\p.bmp", MODE_SINGLE, 0, 0, 16000, 16000, BLACK);
  LayerTable[CAT_MOUTH] = LayerTable[CAT_NOSE];
  Failure failure = Paint();
  EXPECT_STREQ(failure.text, TEXT_NO_DIB);
  EXPECT_STREQ(failure.caption, CAPTION_DEBUG);
  EXPECT_TRUE(recorder.entries().empty());
  EXPECT_EQ(surface.Count(WHITE), 80 * 100);
}

// Only the part of each image that the window shows is made; cut off by a
// smaller window, every part - reduced, enlarged, mirrored, turned - must
// still show exactly the pixels it shows in a large one.
TEST_F(ComposePortraitTest, APartCutOffByTheWindowShowsTheSamePixelsAsAWholeOne) {
  folder.Write("kao\\s.bmp", 37, 23, [](int x, int y) {
    return (x * 7 + y * 3) % 5 == 0 ? BLACK : (x + y) % 4 ? WHITE : Bgr{9, 99, 199};
  });
  SetPart(LayerTable[CAT_FACE], "kao\\s.bmp", MODE_SINGLE, -20, -30, 131, 157, {7, 7, 7}, 25);
  SetPart(LayerTable[CAT_EYES], "kao\\s.bmp", MODE_PAIR, 3, 20, 19, 11, {0, 0, 255}, -35);
  SetPart(LayerTable[CAT_NOSE], "kao\\s.bmp", MODE_SINGLE, 30, 40, 90, 61, {255, 0, 0}, 0);
  SetPart(LayerTable[CAT_MOUTH], "kao\\s.bmp", MODE_PAIR, -10, 70, 12, 9, {0, 255, 0}, 50);
  Paint();
  Surface cut(200, 200, BACKGROUND);
  SetWindowPos(cut.window(), nullptr, 0, 0, 97, 121, SWP_NOZORDER | SWP_NOMOVE);
  ComposePortrait(cut.window(), cut.dc());
  int differing = 0;
  for (int y = 0; y < 121; ++y)
    for (int x = 0; x < 97; ++x) differing += !(cut.At(x, y) == surface.At(x, y));
  EXPECT_EQ(differing, 0);
  EXPECT_GT(cut.Count({0, 0, 255}), 20);
  EXPECT_EQ(cut.Count(BACKGROUND, 97, 0, 200, 200) + cut.Count(WHITE, 97, 0, 200, 200), 103 * 200)
      << "beyond the window only the canvas's white";
}

// Hundreds of paints of a portrait and a palette using every kind of object:
// a single object left behind by any path shows as hundreds of free handles
// fewer.
TEST_F(ComposePortraitTest, RepeatedPaintsLeaveNoGdiObjectBehind) {
  folder.Write("kao\\p.bmp", 30, 20, [](int x, int) { return x < 15 ? BLACK : WHITE; });
  for (int slot = CAT_BACK_HAIR; slot <= CAT_GLASSES; ++slot)
    SetPart(LayerTable[slot], "kao\\p.bmp", slot % 2 ? MODE_PAIR : MODE_SINGLE, slot, slot, 24,
            18, {0, 0, 0}, slot * 5 - 30);
  for (PartSlot &piece : PieceTable) SetPart(piece, "kao\\p.bmp", MODE_PAIR, 5, 5, 31, 21, BLACK, 20);
  std::strcpy(PieceTable[4].path, "kao\\missing.bmp");
  std::strcpy(PartList[0], "kao\\p.bmp");
  std::strcpy(PartList[1], "kao\\missing.bmp");
  partCount = 2;
  firstVisible = 0;
  currentCategory = CAT_EYES;
  auto paint = [&] {
    DrawPartPalette(surface.window(), surface.dc());
    Paint();
  };
  paint();
  int before = FreeGdiHandles();
  for (int i = 0; i < 200; ++i) paint();
  EXPECT_EQ(FreeGdiHandles(), before);
  partCount = 0;
}

}  // namespace
