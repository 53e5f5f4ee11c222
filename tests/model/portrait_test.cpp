#include "portrait.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(PortraitModel, CurrentPieceCopiesTheEditedFieldsOnly) {
  ResetPortrait();
  PieceTable[3] = {MODE_PAIR, "kao\\kao-2-001.bmp", 1, 2, 3, 4, 5, 6, 7, 8, 9};
  LayerTable[CAT_OTHER] = {MODE_SINGLE, "slot", 0, 0, 0, 0, 0, 0, 0, 0, 42};
  currentPiece = 3;
  LoadCurrentPiece();
  const PartSlot &slot = LayerTable[CAT_OTHER];
  EXPECT_EQ(slot.mode, MODE_SINGLE);
  EXPECT_STREQ(slot.path, "slot");
  EXPECT_EQ(slot.listIndex, 42);
  EXPECT_EQ(slot.x + slot.y + slot.width + slot.height + slot.angle, 1 + 2 + 3 + 4 + 5);
  EXPECT_EQ(slot.blue * 100 + slot.green * 10 + slot.red, 678);

  LayerTable[CAT_OTHER].x = 70;
  LayerTable[CAT_OTHER].red = 200;
  StoreCurrentPiece();
  EXPECT_EQ(PieceTable[3].x, 70);
  EXPECT_EQ(PieceTable[3].red, 200);
  EXPECT_EQ(PieceTable[3].mode, MODE_PAIR);
  EXPECT_STREQ(PieceTable[3].path, "kao\\kao-2-001.bmp");
  EXPECT_EQ(PieceTable[3].listIndex, 9);

  ClearPieces();
  for (const PartSlot &piece : PieceTable) EXPECT_EQ(piece.mode, MODE_OFF);
  EXPECT_EQ(PieceTable[3].x, 70) << "only the mode is switched off";
  ResetPortrait();
}

}  // namespace
