#include "history.h"

#include <gtest/gtest.h>

namespace {

class History : public testing::Test {
 protected:
  void SetUp() override {
    ResetPortrait();
    ClearHistory();
  }
  void TearDown() override { SetUp(); }
  // A change: x of a slot moved to a new value.
  static void Change(int &field, int value) {
    PortraitState before = CurrentPortrait();
    field = value;
    RecordChange(before);
  }
};

TEST_F(History, UndoAndRedoStepThroughTheChangesAndBringBackTheEditedPiece) {
  Change(LayerTable[CAT_EYES].x, 5);
  currentPiece = 3;
  Change(PieceTable[3].y, 7);
  currentPiece = 1;  // switching the piece is not a change of its own
  Change(canvasWidth, 70);
  PortraitState before = CurrentPortrait();
  PieceFlipped[3] = true;  // a flip is a change like any other
  RecordChange(before);

  ASSERT_EQ(UndoChange(), 1);
  EXPECT_FALSE(PieceFlipped[3]);
  ASSERT_EQ(UndoChange(), 1);
  EXPECT_EQ(canvasWidth, 80);
  EXPECT_EQ(currentPiece, 1);
  ASSERT_EQ(UndoChange(), 1);
  EXPECT_EQ(PieceTable[3].y, 0);
  EXPECT_EQ(currentPiece, 3) << "the piece the undone change edited";
  ASSERT_EQ(UndoChange(), 1);
  EXPECT_EQ(LayerTable[CAT_EYES].x, 0);
  EXPECT_EQ(UndoChange(), 0);

  ASSERT_EQ(RedoChange(), 1);
  EXPECT_EQ(LayerTable[CAT_EYES].x, 5);
  ASSERT_EQ(RedoChange(), 1);
  EXPECT_EQ(PieceTable[3].y, 7);
  // A new change drops what could be done again.
  Change(LayerTable[CAT_NOSE].y, 9);
  EXPECT_EQ(RedoChange(), 0);
  EXPECT_EQ(canvasWidth, 80);
}

TEST_F(History, OnlyChangesOfThePortraitAreStepsAndAHundredAreKept) {
  PortraitState before = CurrentPortrait();
  currentPiece = 4;     // navigation
  PieceTable[4].x = 12;
  LoadCurrentPiece();   // the working copy of the piece loaded
  PieceTable[4].x = 0;
  RecordChange(before);
  Change(LayerTable[CAT_NOSE].x, 0);  // a step stopped by its limit
  EXPECT_EQ(UndoChange(), 0);

  for (int i = 1; i <= HISTORY_DEPTH + 5; ++i) Change(LayerTable[CAT_MOUTH].x, i);
  int undone = 0;
  while (UndoChange()) ++undone;
  EXPECT_EQ(undone, HISTORY_DEPTH);
  EXPECT_EQ(LayerTable[CAT_MOUTH].x, 5);
}

TEST_F(History, ThePortraitIsChangedWhileItDiffersFromTheOneLastSavedOrOpened) {
  // c a change, s saved (or opened), u undo, r redo, n navigation only.
  const struct {
    const char *steps;
    bool changed;
  } cases[] = {
      {"", false},      {"n", false},     {"c", true},       {"cu", false},    {"cur", true},
      {"cs", false},    {"csu", true},    {"csur", false},   {"ccsuu", true},  {"csc", true},
      {"cscu", false},  {"ccuuc", true},  {"cu" "n", false},
  };
  for (const auto &c : cases) {
    SetUp();
    MarkPortraitSaved();
    int value = 0;
    for (const char *step = c.steps; *step; ++step) {
      if (*step == 'c') Change(LayerTable[CAT_NOSE].x, ++value);
      if (*step == 's') MarkPortraitSaved();
      if (*step == 'u') UndoChange();
      if (*step == 'r') RedoChange();
      if (*step == 'n') currentPiece = (currentPiece + 1) % PIECE_SLOTS;
    }
    EXPECT_EQ(PortraitChanged(), c.changed) << c.steps;
  }
  SetUp();
  MarkPortraitSaved();
}

}  // namespace
