#include "selection.h"

#include <gtest/gtest.h>

#include <cstring>

#include "editor.h"
#include "catalogue.h"
#include "custom_colours.h"
#include "palette.h"
#include "part_file.h"
#include "render/render_fixtures.h"

namespace {

class SelectionTest : public testing::Test {
 protected:
  void SetUp() override { Clear(); }
  void TearDown() override { Clear(); }
  static void Clear() {
    ResetPortrait();
    partCount = 0;
    firstVisible = 0;
  }
  // Puts path into PartList[index] and places it as a W x H part.
  static int Choose(int category, const char *path, int width, int height, int index = 0) {
    currentCategory = category;
    std::strcpy(PartList[index], path);
    return PlaceChosenPart(category, PartList[index], index, width, height);
  }
};

TEST_F(SelectionTest, HitsOnlyStrictlyInsideTheCellsOnShow) {
  partCount = 7;
  firstVisible = 5;
  const struct {
    int x, y, index;
  } clicks[] = {
      {181, 56, 5},  {259, 154, 5}, {180, 56, -1}, {260, 56, -1}, {181, 55, -1},
      {181, 155, -1}, {263, 100, 6}, {345, 100, -1}, {261, 100, -1}, {0, 0, -1},
  };
  for (const auto &c : clicks) EXPECT_EQ(PaletteIndexAt(c.x, c.y), c.index) << c.x << ", " << c.y;
  firstVisible = 10;
  EXPECT_EQ(PaletteIndexAt(181, 56), -1);
}

// The ears come in the skin's colour: the first skin tone without a face,
// the face's with one (a deliberate difference from every other part's
// black: the ears are filled with the colour they take).
TEST_F(SelectionTest, PlacesEachCategoryWithItsDefaults) {
  const RgbColour NONE = {0, 0, 0}, NEW_FACE = {255, 255, 128};
  const struct {
    int category, width, height, mode, x, y;
    RgbColour colour;
  } cases[] = {
      {CAT_EYES, 41, 20, MODE_PAIR, 8, 35, NONE},       {CAT_EYES, 43, 21, MODE_PAIR, 7, 34, NONE},
      {CAT_EYEBROWS, 40, 10, MODE_PAIR, 8, 30, NONE},   {CAT_NOSE, 90, 110, MODE_SINGLE, -5, 3, NONE},
      {CAT_MOUTH, 30, 10, MODE_SINGLE, 25, 67, NONE},   {CAT_EARS, 33, 77, MODE_PAIR, 5, 40, SKIN_TONES[0]},
      {CAT_DISABLED, 20, 20, MODE_SINGLE, 30, 40, NONE}, {CAT_MOUSTACHE, 20, 20, MODE_SINGLE, 30, 55, NONE},
      {CAT_BEARD, 20, 20, MODE_SINGLE, 30, 70, NONE},   {CAT_GLASSES, 60, 20, MODE_SINGLE, 10, 35, NONE},
      {CAT_FACE, 70, 90, MODE_SINGLE, 0, 0, NEW_FACE},  {CAT_HAIR, 70, 90, MODE_SINGLE, 0, 0, NONE},
      {CAT_EARS, 33, 77, MODE_PAIR, 5, 40, NEW_FACE},
  };
  for (const auto &c : cases) {
    PartSlot &slot = LayerTable[c.category];
    slot.angle = 25;
    slot.blue = 9;
    Choose(c.category, "kao\\kao-x-001.bmp", c.width, c.height, 3);
    EXPECT_EQ(slot.mode, c.mode) << c.category;
    EXPECT_EQ(slot.x, c.x) << c.category;
    EXPECT_EQ(slot.y, c.y) << c.category;
    EXPECT_EQ(slot.width, c.width);
    EXPECT_EQ(slot.height, c.height);
    EXPECT_EQ(slot.angle, 0);
    EXPECT_EQ(slot.listIndex, 3);
    EXPECT_STREQ(slot.path, "kao\\kao-x-001.bmp");
    EXPECT_EQ(slot.blue, c.colour.blue) << c.category;
    EXPECT_EQ(slot.green, c.colour.green);
    EXPECT_EQ(slot.red, c.colour.red);
  }
}

TEST_F(SelectionTest, TheHairSwitchesOnItsBackHair) {
  PartSlot &back = LayerTable[CAT_BACK_HAIR];
  back.x = 3;
  back.y = 4;
  back.angle = 5;
  back.red = 6;
  Choose(CAT_HAIR, "kao\\kao-b-003.bmp", 70, 90);
  EXPECT_EQ(back.mode, MODE_SINGLE);
  EXPECT_STREQ(back.path, "kao\\kao-0-003.bmp");
  EXPECT_EQ(back.width, 70);
  EXPECT_EQ(back.height, 90);
  EXPECT_EQ(back.x, 3);
  EXPECT_EQ(back.y, 4);
  EXPECT_EQ(back.angle, 5);
  EXPECT_EQ(back.red, 0) << "the back hair takes the new hair's colour";
  Choose(CAT_HAIR, "kao\\long-hair.bmp", 10, 10);
  EXPECT_STREQ(back.path, "kao\\kao-0-003.bmp");
  EXPECT_EQ(back.width, 10);
}

TEST_F(SelectionTest, OtherPiecesGoToTheFirstFreeEntryOnceEach) {
  PieceTable[0].mode = MODE_SINGLE;
  std::strcpy(PieceTable[0].path, "kao\\kao-2-900.bmp");
  PieceTable[1].mode = MODE_PAIR;
  std::strcpy(PieceTable[1].path, "kao\\kao-2-901.bmp");
  currentPiece = 1;
  const struct {
    const char *path;
    int mode, x, y;
  } cases[] = {
      {"kao\\kao-2-001.bmp", MODE_PAIR, 8, 40},
      {"kao\\kao-2-012.bmp", MODE_PAIR, 8, 55},
      {"kao\\kao-2-100.bmp", MODE_SINGLE, 20, 60},
  };
  int entry = 2;
  for (const auto &c : cases) {
    EXPECT_EQ(Choose(CAT_OTHER, c.path, 40, 10, 7), entry) << c.path;
    const PartSlot &piece = PieceTable[entry++];
    EXPECT_EQ(piece.mode, c.mode) << c.path;
    EXPECT_EQ(piece.x, c.x) << c.path;
    EXPECT_EQ(piece.y, c.y) << c.path;
    EXPECT_STREQ(piece.path, c.path);
    EXPECT_EQ(piece.width, 40);
    EXPECT_EQ(piece.listIndex, 7);
    EXPECT_EQ(LayerTable[CAT_OTHER].mode, MODE_OFF);
  }
  EXPECT_EQ(currentPiece, 1);

  PartSlot before[PIECE_SLOTS];
  std::memcpy(before, PieceTable, sizeof before);
  EXPECT_EQ(Choose(CAT_OTHER, "kao\\kao-2-012.bmp", 5, 5), -1) << "already placed";
  EXPECT_EQ(Choose(CAT_OTHER, "kao\\kao-2-01", 5, 5), -1) << "a stored path begins with it";
  EXPECT_EQ(std::memcmp(before, PieceTable, sizeof before), 0);
  for (int i = 5; i < PIECE_SLOTS; ++i) {
    char path[32];
    wsprintfA(path, "kao\\kao-2-5%02d.bmp", i);
    Choose(CAT_OTHER, path, 5, 5);
  }
  std::memcpy(before, PieceTable, sizeof before);
  EXPECT_EQ(Choose(CAT_OTHER, "kao\\kao-2-777.bmp", 5, 5), -1) << "all ten in use";
  EXPECT_EQ(std::memcmp(before, PieceTable, sizeof before), 0);
}

TEST_F(SelectionTest, IsNewPieceComparesThePathsBeforeN) {
  std::strcpy(PieceTable[0].path, "kao\\kao-2-001.bmp");
  PieceTable[0].mode = MODE_OFF;
  EXPECT_TRUE(IsNewPiece("kao\\kao-2-001.bmp", 0));
  EXPECT_FALSE(IsNewPiece("kao\\kao-2-001.bmp", 1));
  EXPECT_FALSE(IsNewPiece("kao\\kao-2", 1));
  EXPECT_TRUE(IsNewPiece("kao\\kao-2-001.bmpx", 1));
  EXPECT_TRUE(IsNewPiece("kao\\kao-2-002.bmp", 10));
}

TEST_F(SelectionTest, FindsTheFirstColourBottomRowFirst) {
  // 3 x 2 pixels in rows of 4, bottom row first; column 3 is padding.
  struct Case {
    const char *name;
    Bgr pixels[8];
    int found;
    Bgr colour;
  };
  const Bgr W = WHITE, K = BLACK, C = {10, 20, 200}, D = {254, 255, 255};
  const Case cases[] = {
      {"bottom row", {W, C, W, W, W, W, W, W}, 1, C},
      {"top row under white and black", {W, K, W, C, K, W, C, W}, 1, C},
      {"only black and white", {W, K, W, W, K, K, W, W}, 0, K},
      {"near white counts", {W, W, D, W, C, W, W, W}, 1, D},
      {"padding is not looked at", {W, W, W, C, W, W, W, W}, 0, K},
  };
  for (const Case &c : cases) {
    int blue = 0, green = 0, red = 0;
    EXPECT_EQ(FindFirstColour(&c.pixels[0].blue, 4 * 3, 3, 2, &blue, &green, &red), c.found) << c.name;
    EXPECT_TRUE((Bgr{static_cast<std::uint8_t>(blue), static_cast<std::uint8_t>(green),
                     static_cast<std::uint8_t>(red)} == c.colour))
        << c.name;
  }
}

TEST_F(SelectionTest, PickDefaultColourReadsTheFileOrLeavesTheColour) {
  PartFolder folder;
  folder.Write("kao\\kao-2-100.bmp", 5, 3, [](int x, int y) {
    return y == 2 && x == 3 ? Bgr{10, 20, 200} : y == 0 && x == 0 ? Bgr{1, 2, 3} : WHITE;
  });
  std::strcpy(PieceTable[4].path, "kao\\kao-2-100.bmp");
  PickDefaultColour(4, nullptr);
  EXPECT_EQ(PieceTable[4].blue, 10);
  EXPECT_EQ(PieceTable[4].green, 20);
  EXPECT_EQ(PieceTable[4].red, 200);

  std::strcpy(PieceTable[4].path, "kao\\missing.bmp");
  int before = FreeGdiHandles();
  for (int i = 0; i < 300; ++i) PickDefaultColour(4, nullptr);
  std::strcpy(PieceTable[4].path, "kao\\kao-2-100.bmp");
  PieceTable[4].blue = 0;
  for (int i = 0; i < 300; ++i) PickDefaultColour(4, nullptr);
  EXPECT_EQ(FreeGdiHandles(), before);
  EXPECT_EQ(PieceTable[4].blue, 10);
}

// A real click on the editor window: the part is placed and the window is
// painted again before the click is handled.
TEST_F(SelectionTest, AClickOnAThumbnailPlacesThePartAndRepaints) {
  PartFolder folder;
  FailureLog recorder;
  folder.Write("kao\\kao-5-001.bmp", 20, 16, [](int, int) { return BLACK; });
  WriteFileBytes(folder / "kao\\kao-5-002.bmp", std::vector<std::uint8_t>(70, 'B'));
  HWND window = CreateEditorWindow(appInstance);
  ASSERT_NE(window, nullptr);
  PumpMessages();
  currentCategory = CAT_NOSE;
  ScanPartFolder();
  ASSERT_EQ(partCount, 2);
  int good = std::strcmp(PartList[0], "kao\\kao-5-001.bmp") == 0 ? 0 : 1;

  SendMessageA(window, WM_LBUTTONDOWN, 0, MAKELPARAM(PaletteCellLeft(good) + 40, 100));
  const PartSlot &nose = LayerTable[CAT_NOSE];
  EXPECT_EQ(nose.mode, MODE_SINGLE);
  EXPECT_EQ(nose.width, 20);
  EXPECT_EQ(nose.x, 30);
  EXPECT_EQ(nose.y, 50);
  HDC dc = GetDC(window);
  EXPECT_TRUE(PixelAt(dc, canvasX + 40, canvasY + 57) == BLACK) << "the nose on the canvas";
  EXPECT_TRUE(PixelAt(dc, canvasX + 5, canvasY + 5) == WHITE) << "the canvas";
  ReleaseDC(window, dc);

  // A file that cannot be loaded is chosen as 0 x 0 and draws nothing.
  SendMessageA(window, WM_LBUTTONDOWN, 0, MAKELPARAM(PaletteCellLeft(1 - good) + 40, 100));
  EXPECT_EQ(nose.listIndex, 1 - good);
  EXPECT_EQ(nose.width, 0);
  EXPECT_EQ(nose.height, 0);
  EXPECT_EQ(nose.x, 40);
  EXPECT_EQ(nose.y, 58);
  dc = GetDC(window);
  EXPECT_TRUE(PixelAt(dc, canvasX + 40, canvasY + 57) == WHITE);
  ReleaseDC(window, dc);
  EXPECT_TRUE(recorder.entries().empty());
  DestroyWindow(window);
  PumpMessages();
}

}  // namespace
