#include "palette.h"

#include <gtest/gtest.h>

#include <cstring>

#include "catalogue.h"
#include "render/render_fixtures.h"

namespace {

const Bgr BACKGROUND = {200, 100, 50};
const Bgr MARKER = {255, 0, 0};  // the top-left pixel of every test thumbnail

Bgr MarkedCorner(int x, int y) { return x == 0 && y == 0 ? MARKER : BLACK; }

class DrawPartPaletteTest : public testing::Test {
 protected:
  void SetUp() override { ResetPortrait(); }
  void TearDown() override {
    ResetPortrait();
    partCount = 0;
    firstVisible = 0;
  }
  void List(std::initializer_list<const char *> paths) {
    partCount = 0;
    for (const char *path : paths) std::strcpy(PartList[partCount++], path);
  }
  void Paint() {
    surface.Fill(BACKGROUND);
    DrawPartPalette(surface.window(), surface.dc());
  }
  // True when the mark row shows something from x to x + 9.
  bool MarkAt(int x) { return surface.Count(BACKGROUND, x, MARK_TOP, x + 9, MARK_TOP + 12) < 9 * 12; }
  PartFolder folder;
  Surface surface{700, 200, BACKGROUND};
  FailureLog recorder;
};

TEST_F(DrawPartPaletteTest, PlacesEachCategorysThumbnailsByItsRule) {
  struct Case {
    int category;
    const char *name;
    int width, height;
    int x, y;      // where the marker lands, relative to the cell's left edge
    int mirrorX;   // where the mirrored copy's marker lands; 0 for a single
  };
  const Case cases[] = {
      {CAT_EYES, "kao\\kao-3-001.bmp", 40, 30, 0, 85, 80},
      {CAT_EARS, "kao\\kao-7-001.bmp", 20, 40, 5, 75, 74},
      {CAT_NOSE, "kao\\kao-5-001.bmp", 81, 20, 0, 95, 0},
      {CAT_NOSE, "kao\\kao-5-002.bmp", 83, 20, -1, 95, 0},
      {CAT_MOUTH, "kao\\kao-6-001.bmp", 30, 10, 25, 120, 0},
      {CAT_OTHER, "kao\\kao-2-010.bmp", 20, 10, 10, 110, 70},
      {CAT_OTHER, "kao\\kao-2-005.bmp", 20, 10, 10, 95, 70},
      {CAT_OTHER, "kao\\kao-2-105.bmp", 20, 10, 30, 115, 0},
      {CAT_EYEBROWS, "kao\\kao-4-001.bmp", 30, 10, 5, 80, 75},
      {CAT_GLASSES, "kao\\kao-c-001.bmp", 60, 20, 10, 85, 0},
  };
  for (const Case &c : cases) {
    folder.Write(c.name, c.width, c.height, MarkedCorner);
    currentCategory = c.category;
    // The part is entry 6, shown second on the second page.
    List({"", "", "", "", "", "", c.name});
    firstVisible = 5;
    std::strcpy(PartList[5], "kao\\missing.bmp");
    Paint();
    const int left = 262;
    EXPECT_TRUE(surface.At(left + c.x, c.y) == MARKER) << c.name;
    EXPECT_EQ(surface.Count(MARKER), c.mirrorX ? 2 : 1) << c.name;
    if (c.mirrorX) {
      EXPECT_TRUE(surface.At(left + c.mirrorX, c.y) == MARKER) << c.name;
    }
    // The unloadable entry 5 leaves its cell white; cells 7 to 9 are not drawn.
    EXPECT_EQ(surface.Count(WHITE, 180, 55, 260, 155), 80 * 100) << c.name;
    EXPECT_EQ(surface.Count(BACKGROUND, 344, 0, 700, 200), 356 * 200) << c.name;
  }
  EXPECT_TRUE(recorder.entries().empty());
}

TEST_F(DrawPartPaletteTest, AnEmptyPageDrawsNothing) {
  folder.Write("kao\\kao-3-001.bmp", 10, 10, MarkedCorner);
  currentCategory = CAT_EYES;
  List({"kao\\kao-3-001.bmp"});
  firstVisible = 5;
  Paint();
  List({});
  firstVisible = 0;
  Paint();
  EXPECT_EQ(surface.Count(BACKGROUND), 700 * 200);
}

TEST_F(DrawPartPaletteTest, HairCellsShowBackHairThenTheFaceThenTheHair) {
  folder.Write("kao\\kao-0-003.bmp", 80, 100, [](int, int) { return Bgr{1, 1, 1}; });
  folder.Write("kao-1-001.bmp", 60, 80, [](int, int) { return Bgr{2, 2, 2}; });
  folder.Write("kao\\kao-1-001.bmp", 80, 100, [](int, int) { return Bgr{9, 9, 9}; });  // not this one
  folder.Write("kao\\kao-b-003.bmp", 40, 30, [](int, int) { return Bgr{3, 3, 3}; });
  folder.Write("kao\\hair.bmp", 20, 20, [](int, int) { return Bgr{4, 4, 4}; });
  currentCategory = CAT_HAIR;
  List({"kao\\kao-b-003.bmp", "kao\\hair.bmp"});
  Paint();
  EXPECT_EQ(surface.Count({3, 3, 3}, 180, 55, 260, 155), 40 * 30);
  EXPECT_EQ(surface.Count({2, 2, 2}, 180, 55, 260, 155), 60 * 80 - 40 * 30);
  EXPECT_EQ(surface.Count({1, 1, 1}, 180, 55, 260, 155), 80 * 100 - 60 * 80);
  EXPECT_EQ(surface.Count({4, 4, 4}, 262, 55, 342, 155), 20 * 20);
  EXPECT_EQ(surface.Count(WHITE, 262, 55, 342, 155), 80 * 100 - 20 * 20);
}

TEST_F(DrawPartPaletteTest, MarksTheEntriesInUse) {
  for (int i = 0; i < 5; ++i) std::strcpy(PartList[i], "kao\\missing.bmp");
  partCount = 10;
  const int left[] = {180, 262, 344, 426, 508};

  currentCategory = CAT_EYES;
  LayerTable[CAT_EYES].mode = MODE_PAIR;
  LayerTable[CAT_EYES].listIndex = 3;
  Paint();
  for (int cell = 0; cell < 5; ++cell) {
    EXPECT_EQ(MarkAt(left[cell] + TICK_MARK_OFFSET), cell == 3) << cell;
    EXPECT_FALSE(MarkAt(left[cell] + CROSS_MARK_OFFSET)) << cell;
  }
  LayerTable[CAT_EYES].mode = MODE_OFF;
  Paint();
  EXPECT_FALSE(MarkAt(left[3] + TICK_MARK_OFFSET));

  currentCategory = CAT_OTHER;
  PieceTable[0].mode = MODE_SINGLE;
  PieceTable[0].listIndex = 4;
  PieceTable[1].mode = MODE_PAIR;
  PieceTable[1].listIndex = 1;
  currentPiece = 1;
  Paint();
  for (int cell = 0; cell < 5; ++cell) {
    EXPECT_EQ(MarkAt(left[cell] + CROSS_MARK_OFFSET), cell == 1 || cell == 4) << cell;
    EXPECT_EQ(MarkAt(left[cell] + TICK_MARK_OFFSET), cell == 1) << cell;
  }
  currentPiece = 2;
  Paint();
  for (int cell = 0; cell < 5; ++cell) EXPECT_FALSE(MarkAt(left[cell] + TICK_MARK_OFFSET)) << cell;
}

// At another display scale the cells, the marks and the clicks take the
// scaled places, and a thumbnail is enlarged by the whole picture scale and
// centred in its cell: 2 x 2 blocks filling the cell at 192 dpi, pixels as
// they are centred in a cell half as large again at 144.
TEST_F(DrawPartPaletteTest, ScalesCellsMarksAndClicksWithTheDisplay) {
  const struct {
    int dpi;
    RECT cell;      // the cell of entry 6, the second on show
    POINT marker;   // the top-left of the eye's marker block
    int block;
    POINT tick;     // where the "v" above entry 6 is drawn
  } cases[] = {
      {192, {524, 110, 684, 310}, {524, 170}, 2, {594, 72}},
      {144, {393, 83, 513, 233}, {413, 138}, 1, {446, 54}},
  };
  folder.Write("kao\\kao-3-001.bmp", 40, 30, MarkedCorner);
  currentCategory = CAT_EYES;
  List({"", "", "", "", "", "kao\\missing.bmp", "kao\\kao-3-001.bmp"});
  firstVisible = 5;
  LayerTable[CAT_EYES].mode = MODE_PAIR;
  LayerTable[CAT_EYES].listIndex = 6;
  for (const auto &c : cases) {
    Surface large(1200, 320, BACKGROUND);
    DrawPartPalette(large.window(), large.dc(), nullptr, c.dpi);
    RECT shown = PaletteCellRect(6, c.dpi);
    EXPECT_TRUE(shown == c.cell) << c.dpi;
    const int b = c.block;
    EXPECT_EQ(large.Count(MARKER, c.marker.x, c.marker.y, c.marker.x + b, c.marker.y + b), b * b) << c.dpi;
    EXPECT_EQ(large.Count(MARKER), 2 * b * b) << c.dpi << ": the mirrored copy's block, nothing more";
    RECT first = PaletteCellRect(5, c.dpi);
    EXPECT_EQ(large.Count(WHITE, first.left, first.top, first.right, first.bottom),
              (first.right - first.left) * (first.bottom - first.top)) << c.dpi;
    EXPECT_LT(large.Count(BACKGROUND, c.tick.x, c.tick.y, c.tick.x + 9 * b, c.tick.y + 12 * b), 9 * 12 * b * b) << c.dpi;
    EXPECT_EQ(PaletteIndexAt(c.cell.left + 1, c.cell.top + 1, c.dpi), 6) << c.dpi;
    EXPECT_EQ(PaletteIndexAt(c.cell.right - 1, c.cell.bottom - 1, c.dpi), 6) << c.dpi;
    EXPECT_EQ(PaletteIndexAt(c.cell.left, c.cell.top + 1, c.dpi), -1) << c.dpi;
    EXPECT_EQ(PaletteIndexAt(c.cell.right, c.cell.top + 1, c.dpi), -1) << c.dpi;
  }
  EXPECT_TRUE(recorder.entries().empty());
}

TEST(FitPalette, GrowsFrameAndClientOnlyAsFarAsTheCellsNeed) {
  // The cells span 180..588 x 55..155.
  const struct {
    RECT frame;
    SIZE client;
    RECT fitFrame;
    SIZE fitClient;
  } cases[] = {
      // 36 before the cells: as much after them, the client 7 beyond as before.
      {{144, 45, 516, 188}, {523, 277}, {144, 45, 624, 188}, {631, 277}},
      {{144, 45, 640, 188}, {650, 277}, {144, 45, 640, 188}, {650, 277}},
      // 10 before and 5 above: too short as well.
      {{170, 50, 560, 150}, {570, 160}, {170, 50, 598, 160}, {608, 170}},
  };
  for (const auto &c : cases) {
    PaletteFit fit = FitPalette(c.frame, c.client);
    EXPECT_TRUE(fit.frame == c.fitFrame) << fit.frame.right << " x " << fit.frame.bottom;
    EXPECT_EQ(fit.client.cx, c.fitClient.cx);
    EXPECT_EQ(fit.client.cy, c.fitClient.cy);
  }
}

}  // namespace
