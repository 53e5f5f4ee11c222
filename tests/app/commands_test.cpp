#include "commands.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "catalogue.h"
#include "resource.h"

namespace {

class EditorCommands : public testing::Test {
 protected:
  void SetUp() override {
    ResetPortrait();
    partCount = 0;
    firstVisible = 0;
  }
  void TearDown() override { ResetPortrait(); }

  static void Press(unsigned id, int times = 1, int backHair = 0) {
    for (int i = 0; i < times; ++i) ApplyPartCommand(id, backHair);
  }
};

TEST_F(EditorCommands, SizeLimitsAreTestedBeforeEachStepAndNeverClamp) {
  struct Case {
    unsigned id;
    int width, height;
    int presses;
    int wantWidth, wantHeight;
  } cases[] = {
      {IDC_PART_WIDER, 119, 10, 5, 121, 10},     // odd width passes 120
      {IDC_PART_WIDER, 118, 10, 5, 120, 10},
      {IDC_PART_NARROWER, 2, 10, 5, 0, 10},      // even width narrows to 0
      {IDC_PART_NARROWER, 3, 10, 5, 1, 10},      // odd width stops at 1
      {IDC_PART_TALLER, 10, 149, 5, 10, 151},
      {IDC_PART_SHORTER, 10, 2, 5, 10, 0},
      {IDC_PART_LARGER, 119, 149, 5, 121, 151},
      {IDC_PART_SMALLER, 3, 2, 5, 1, 0},
      {IDC_PART_WIDER, 130, 10, 1, 130, 10},     // beyond the limit: stays
      {IDC_PART_NARROWER, -4, 10, 1, -4, 10},
  };
  for (const Case &c : cases) {
    SetUp();
    currentCategory = CAT_EYES;
    LayerTable[CAT_EYES].width = c.width;
    LayerTable[CAT_EYES].height = c.height;
    LayerTable[CAT_EYES].x = 10;
    LayerTable[CAT_EYES].y = 10;
    Press(c.id, c.presses);
    EXPECT_EQ(LayerTable[CAT_EYES].width, c.wantWidth) << "command " << c.id << " from " << c.width;
    EXPECT_EQ(LayerTable[CAT_EYES].height, c.wantHeight) << "command " << c.id << " from " << c.height;
  }
}

TEST_F(EditorCommands, StepsOfOneCommandAreIndependent) {
  currentCategory = CAT_NOSE;
  PartSlot &nose = LayerTable[CAT_NOSE];
  nose.width = 120;
  nose.x = -39;
  Press(IDC_PART_WIDER);  // width at its limit still moves left
  EXPECT_EQ(nose.width, 120);
  EXPECT_EQ(nose.x, -40);
  Press(IDC_PART_WIDER);  // now both limits hold: nothing changes
  EXPECT_EQ(nose.width, 120);
  EXPECT_EQ(nose.x, -40);

  nose.width = 40;
  nose.x = 80;
  Press(IDC_PART_NARROWER);  // x at its limit still narrows
  EXPECT_EQ(nose.width, 38);
  EXPECT_EQ(nose.x, 80);
}

TEST_F(EditorCommands, PositionLimitsFollowTheCanvasOfTheMoment) {
  currentCategory = CAT_MOUTH;
  PartSlot &mouth = LayerTable[CAT_MOUTH];
  mouth.x = -40;
  mouth.y = -45;
  Press(IDC_MOVE_LEFT);
  Press(IDC_MOVE_UP);
  EXPECT_EQ(mouth.x, -40);
  EXPECT_EQ(mouth.y, -45);

  ASSERT_EQ(ApplyBaseCommand(IDC_BASE_WIDER), 1);  // canvasX 40 -> 39
  Press(IDC_MOVE_LEFT);
  EXPECT_EQ(mouth.x, -40) << "a part beyond the new limit stays where it is";
  Press(IDC_MOVE_RIGHT);
  EXPECT_EQ(mouth.x, -39);

  mouth.x = 79;
  mouth.y = 99;
  Press(IDC_MOVE_RIGHT, 3);
  Press(IDC_MOVE_DOWN, 3);
  EXPECT_EQ(mouth.x, 80);
  EXPECT_EQ(mouth.y, 100);
}

TEST_F(EditorCommands, RotationStopsAtFiftyEitherWayAndZeroResets) {
  currentCategory = CAT_EYES;
  Press(IDC_ROTATE_RIGHT, 10);
  EXPECT_EQ(LayerTable[CAT_EYES].angle, 50);
  Press(IDC_ROTATE_RIGHT);
  EXPECT_EQ(LayerTable[CAT_EYES].angle, 50);
  Press(IDC_ROTATE_LEFT, 25);
  EXPECT_EQ(LayerTable[CAT_EYES].angle, -50);
  Press(IDC_ANGLE_ZERO);
  EXPECT_EQ(LayerTable[CAT_EYES].angle, 0);
  LayerTable[CAT_EYES].angle = 77;
  Press(IDC_ANGLE_ZERO);
  EXPECT_EQ(LayerTable[CAT_EYES].angle, 0);
}

TEST_F(EditorCommands, BackHairIsTheTargetOfSizeAndMoveOnlyWithHairCurrent) {
  currentCategory = CAT_HAIR;
  LayerTable[CAT_BACK_HAIR].y = 10;
  LayerTable[CAT_HAIR].y = 10;
  PieceTable[0].y = 33;
  Press(IDC_MOVE_UP, 1, /*backHair=*/1);
  EXPECT_EQ(LayerTable[CAT_BACK_HAIR].y, 9);
  EXPECT_EQ(LayerTable[CAT_HAIR].y, 10);
  EXPECT_EQ(PieceTable[0].y, 33);

  // Rotation and colour never take the back hair.
  Press(IDC_ROTATE_RIGHT, 1, 1);
  EXPECT_EQ(LayerTable[CAT_HAIR].angle, 5);
  EXPECT_EQ(LayerTable[CAT_BACK_HAIR].angle, 0);

  // With another category current, the checked radio does not matter.
  currentCategory = CAT_EYES;
  LayerTable[CAT_EYES].y = 20;
  Press(IDC_MOVE_UP, 1, 1);
  EXPECT_EQ(LayerTable[CAT_EYES].y, 19);
  EXPECT_EQ(LayerTable[CAT_BACK_HAIR].y, 9);
}

TEST_F(EditorCommands, PiecesAreEditedThroughSlotTwoAndOtherCategoriesLeaveThemAlone) {
  currentCategory = CAT_OTHER;
  PieceTable[0] = {MODE_PAIR, "kao\\kao-2-001.bmp", 5, 6, 20, 10, 0, 1, 2, 3, 0};
  PieceTable[1] = {MODE_SINGLE, "kao\\kao-2-100.bmp", 30, 40, 16, 8, 0, 4, 5, 6, 1};
  currentPiece = 1;
  Press(IDC_MOVE_RIGHT);
  Press(IDC_PART_WIDER);
  EXPECT_EQ(PieceTable[1].x, 30);  // +1 then -1
  EXPECT_EQ(PieceTable[1].width, 18);
  EXPECT_EQ(PieceTable[0].x, 5);

  PartSlot before[PIECE_SLOTS];
  std::memcpy(before, PieceTable, sizeof before);
  currentCategory = CAT_NOSE;
  for (unsigned id : {IDC_MOVE_UP, IDC_MOVE_LEFT, IDC_PART_LARGER, IDC_ROTATE_LEFT, IDC_ANGLE_ZERO})
    Press(id);
  EXPECT_EQ(std::memcmp(before, PieceTable, sizeof before), 0);
}

void ChooseNothing(HWND, int &, int &, int &) {}
void ChooseOrange(HWND, int &red, int &green, int &blue) {
  red = 255;
  green = 128;
  blue = 0;
}

TEST_F(EditorCommands, ColourOfTheHairGoesToTheBackHairEvenWhenCancelled) {
  currentCategory = CAT_HAIR;
  LayerTable[CAT_HAIR].red = 10;
  LayerTable[CAT_HAIR].green = 20;
  LayerTable[CAT_HAIR].blue = 30;
  ApplyColourCommand(nullptr, ChooseNothing);
  EXPECT_EQ(LayerTable[CAT_BACK_HAIR].red, 10);
  EXPECT_EQ(LayerTable[CAT_BACK_HAIR].green, 20);
  EXPECT_EQ(LayerTable[CAT_BACK_HAIR].blue, 30);

  ApplyColourCommand(nullptr, ChooseOrange);
  EXPECT_EQ(LayerTable[CAT_HAIR].red, 255);
  EXPECT_EQ(LayerTable[CAT_BACK_HAIR].green, 128);
  EXPECT_EQ(LayerTable[CAT_BACK_HAIR].blue, 0);

  currentCategory = CAT_OTHER;
  currentPiece = 2;
  ApplyColourCommand(nullptr, ChooseOrange);
  EXPECT_EQ(PieceTable[2].red, 255);
  EXPECT_EQ(PieceTable[2].green, 128);
}

TEST_F(EditorCommands, OffSwitchesTheRightSlots) {
  for (PartSlot &slot : LayerTable) slot.mode = MODE_SINGLE;
  for (PartSlot &piece : PieceTable) piece.mode = MODE_PAIR;

  currentCategory = CAT_EYES;
  SwitchCurrentPartOff();
  EXPECT_EQ(LayerTable[CAT_EYES].mode, MODE_OFF);
  EXPECT_EQ(LayerTable[CAT_BACK_HAIR].mode, MODE_SINGLE);
  EXPECT_EQ(PieceTable[0].mode, MODE_PAIR);

  currentCategory = CAT_HAIR;
  SwitchCurrentPartOff();
  EXPECT_EQ(LayerTable[CAT_HAIR].mode, MODE_OFF);
  EXPECT_EQ(LayerTable[CAT_BACK_HAIR].mode, MODE_OFF);

  currentCategory = CAT_OTHER;
  currentPiece = 4;
  SwitchCurrentPartOff();
  EXPECT_EQ(LayerTable[CAT_OTHER].mode, MODE_OFF);
  for (const PartSlot &piece : PieceTable) EXPECT_EQ(piece.mode, MODE_OFF);
  EXPECT_EQ(currentPiece, 0);
  EXPECT_EQ(LayerTable[CAT_FACE].mode, MODE_SINGLE);
}

TEST_F(EditorCommands, PieceButtonsCycleThroughThePiecesInUse) {
  for (int i = 0; i < 4; ++i) PieceTable[i].mode = MODE_SINGLE;
  int forward[5], backward[5];
  for (int &piece : forward) {
    piece = currentPiece;
    SelectNextPiece();
  }
  currentPiece = 0;
  for (int &piece : backward) {
    piece = currentPiece;
    SelectPreviousPiece();
  }
  EXPECT_EQ(std::vector<int>(forward, forward + 5), (std::vector<int>{0, 1, 2, 3, 0}));
  EXPECT_EQ(std::vector<int>(backward, backward + 5), (std::vector<int>{0, 3, 2, 1, 0}));

  for (PartSlot &piece : PieceTable) piece.mode = MODE_SINGLE;
  currentPiece = 9;
  SelectNextPiece();
  EXPECT_EQ(currentPiece, 0);

  ClearPieces();
  SelectPreviousPiece();
  EXPECT_EQ(currentPiece, 0);
}

TEST_F(EditorCommands, PagingWrapsAtBothEnds) {
  struct Case {
    int names;
    void (*page)();
    std::vector<int> pages;
  } cases[] = {
      {12, ShowNextPage, {0, 5, 10, 0}},
      {12, ShowPreviousPage, {0, 10, 5, 0}},
      {10, ShowPreviousPage, {0, 5, 0}},
      {10, ShowNextPage, {0, 5, 0}},
      {0, ShowNextPage, {0, 0}},
      {0, ShowPreviousPage, {0, 0}},
  };
  for (const Case &c : cases) {
    partCount = c.names;
    firstVisible = 0;
    std::vector<int> seen = {firstVisible};
    for (size_t i = 1; i < c.pages.size(); ++i) {
      c.page();
      seen.push_back(firstVisible);
    }
    EXPECT_EQ(seen, c.pages) << c.names << " names";
  }
}

TEST_F(EditorCommands, BaseCommandsGrowAboutAFixedCentreAndStopOnlyWhenGrowing) {
  for (int i = 0; i < 40; ++i) EXPECT_EQ(ApplyBaseCommand(IDC_BASE_WIDER), 1);
  EXPECT_EQ(canvasX, 0);
  EXPECT_EQ(canvasWidth, 160);
  EXPECT_EQ(ApplyBaseCommand(IDC_BASE_WIDER), 0) << "no change, no repaint";
  EXPECT_EQ(canvasWidth, 160);

  for (int i = 0; i < 45; ++i) ApplyBaseCommand(IDC_BASE_TALLER);
  EXPECT_EQ(canvasY, 0);
  EXPECT_EQ(canvasHeight, 190);
  EXPECT_EQ(ApplyBaseCommand(IDC_BASE_TALLER), 0);

  ResetPortrait();
  for (int i = 0; i < 41; ++i) EXPECT_EQ(ApplyBaseCommand(IDC_BASE_NARROWER), 1);
  EXPECT_EQ(canvasX, 81);
  EXPECT_EQ(canvasWidth, -2);
  for (int i = 0; i < 60; ++i) ApplyBaseCommand(IDC_BASE_SHORTER);
  EXPECT_EQ(canvasY, 105);
  EXPECT_EQ(canvasHeight, -20);
  EXPECT_EQ(2 * canvasY + canvasHeight, 190);
}

TEST_F(EditorCommands, CommandsDoNotLookAtModeOrWrapOutsideTheirRange) {
  currentCategory = 0;  // before any category button: slot 0, wrapped
  Press(IDC_MOVE_DOWN);
  EXPECT_EQ(LayerTable[0].y, 1);
  EXPECT_EQ(LayerTable[0].mode, MODE_OFF);
  SwitchCurrentPartOff();
  EXPECT_EQ(LayerTable[0].mode, MODE_OFF);
}

}  // namespace
