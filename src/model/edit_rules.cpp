#include "edit_rules.h"

#include "catalogue.h"

namespace {

// One step of an edit: a field of the slot and how much it changes.
struct Step {
  int PartSlot::*field;
  int delta;
};

struct EditSteps {
  bool mayTargetBackHair;
  Step steps[4];
  int stepCount;
};

// In PartEdit's order, but for EDIT_ANGLE_ZERO, which sets the angle.
const EditSteps EDIT_STEPS[] = {
    {true, {{&PartSlot::width, SIZE_STEP}, {&PartSlot::x, -1}}, 2},
    {true, {{&PartSlot::width, -SIZE_STEP}, {&PartSlot::x, 1}}, 2},
    {true, {{&PartSlot::height, SIZE_STEP}, {&PartSlot::y, -1}}, 2},
    {true, {{&PartSlot::height, -SIZE_STEP}, {&PartSlot::y, 1}}, 2},
    {true,
     {{&PartSlot::width, SIZE_STEP}, {&PartSlot::x, -1}, {&PartSlot::height, SIZE_STEP}, {&PartSlot::y, -1}},
     4},
    {true,
     {{&PartSlot::width, -SIZE_STEP}, {&PartSlot::x, 1}, {&PartSlot::height, -SIZE_STEP}, {&PartSlot::y, 1}},
     4},
    {true, {{&PartSlot::y, -1}}, 1},
    {true, {{&PartSlot::y, 1}}, 1},
    {true, {{&PartSlot::x, -1}}, 1},
    {true, {{&PartSlot::x, 1}}, 1},
    {false, {{&PartSlot::angle, ANGLE_STEP}}, 1},
    {false, {{&PartSlot::angle, -ANGLE_STEP}}, 1},
};

bool StepAllowed(const PartSlot &slot, const Step &step) {
  int value = slot.*step.field;
  bool up = step.delta > 0;
  if (step.field == &PartSlot::width) return up ? value < PART_WIDTH_MAX : value > PART_SIDE_MIN;
  if (step.field == &PartSlot::height) return up ? value < PART_HEIGHT_MAX : value > PART_SIDE_MIN;
  if (step.field == &PartSlot::x) return up ? value < PART_X_MAX : value > -canvasX;
  if (step.field == &PartSlot::y) return up ? value < PART_Y_MAX : value > -canvasY;
  return up ? value < PART_ANGLE_MAX : value > -PART_ANGLE_MAX;
}

}  // namespace

bool TargetsBackHair(PartEdit edit, int backHairChecked) {
  return edit < EDIT_TURN_RIGHT && EDIT_STEPS[edit].mayTargetBackHair && backHairChecked &&
         currentCategory == CAT_HAIR;
}

PartSlot &BeginPartEdit(bool backHair) {
  if (backHair) return LayerTable[CAT_BACK_HAIR];
  LoadCurrentPiece();
  return LayerTable[currentCategory];
}

void EndPartEdit(bool backHair) {
  if (!backHair) StoreCurrentPiece();
}

void ApplyPartEdit(PartEdit edit, int backHairChecked) {
  bool backHair = TargetsBackHair(edit, backHairChecked);
  PartSlot &slot = BeginPartEdit(backHair);
  if (edit == EDIT_ANGLE_ZERO) {
    slot.angle = 0;
  } else if (edit >= EDIT_WIDER && edit < EDIT_ANGLE_ZERO) {
    const EditSteps &steps = EDIT_STEPS[edit];
    for (int i = 0; i < steps.stepCount; ++i) {
      const Step &step = steps.steps[i];
      if (StepAllowed(slot, step)) slot.*step.field += step.delta;
    }
  }
  EndPartEdit(backHair);
}

int MoveWithinLimits(int value, int delta, int low, int high) {
  long long moved = static_cast<long long>(value) + delta;  // no overflow from a hostile value
  if (delta > 0 && value < high) return moved < high ? static_cast<int>(moved) : high;
  if (delta < 0 && value > low) return moved > low ? static_cast<int>(moved) : low;
  return value;
}

void MovePartFrom(PartSlot &slot, int x, int y, int dx, int dy) {
  slot.x = MoveWithinLimits(x, dx, -canvasX, PART_X_MAX);
  slot.y = MoveWithinLimits(y, dy, -canvasY, PART_Y_MAX);
}

int ApplyBaseEdit(BaseEdit edit) {
  switch (edit) {
    case BASE_WIDER:
      if (canvasX <= 0) return 0;
      canvasX -= 1;
      canvasWidth += 2;
      return 1;
    case BASE_TALLER:
      if (canvasY <= 0) return 0;
      canvasY -= 1;
      canvasHeight += 2;
      return 1;
    case BASE_NARROWER:
      canvasX += 1;
      canvasWidth -= 2;
      return 1;
    case BASE_SHORTER:
      canvasY += 1;
      canvasHeight -= 2;
      return 1;
  }
  return 0;
}

void SwitchCurrentPartOff() {
  LayerTable[currentCategory].mode = MODE_OFF;
  if (currentCategory == CAT_HAIR) LayerTable[CAT_BACK_HAIR].mode = MODE_OFF;
  if (currentCategory == CAT_OTHER) {
    ClearPieces();
    currentPiece = 0;
  }
}

bool CanFlipCurrentPart() {
  if (currentCategory <= CAT_BACK_HAIR || currentCategory >= CATEGORY_COUNT) return false;
  const PartSlot &part = currentCategory == CAT_OTHER ? PieceTable[currentPiece] : LayerTable[currentCategory];
  return part.mode == MODE_SINGLE;
}

int FlipCurrentPart() {
  if (!CanFlipCurrentPart()) return 0;
  bool piece = currentCategory == CAT_OTHER;
  PartSlot &slot = BeginPartEdit(false);
  slot.angle = -slot.angle;
  EndPartEdit(false);
  bool &flipped = piece ? PieceFlipped[currentPiece] : LayerFlipped[currentCategory];
  flipped = !flipped;
  if (currentCategory == CAT_HAIR) {
    LayerTable[CAT_BACK_HAIR].angle = -LayerTable[CAT_BACK_HAIR].angle;
    LayerFlipped[CAT_BACK_HAIR] = flipped;
  }
  return 1;
}

void SelectNextPiece() {
  currentPiece += 1;
  if (currentPiece > PIECE_SLOTS - 1) currentPiece = 0;
  if (PieceTable[currentPiece].mode == MODE_OFF) currentPiece = 0;
}

void SelectPreviousPiece() {
  currentPiece -= 1;
  if (currentPiece >= 0) return;
  currentPiece = PIECE_SLOTS - 1;
  while (currentPiece > 0 && PieceTable[currentPiece].mode == MODE_OFF) currentPiece -= 1;
}

void ShowNextPage() {
  firstVisible += PALETTE_CELLS;
  if (firstVisible >= partCount) firstVisible = 0;
}

void ShowPreviousPage() {
  firstVisible -= PALETTE_CELLS;
  if (firstVisible < 0)
    firstVisible = partCount > 0 ? (partCount - 1) / PALETTE_CELLS * PALETTE_CELLS : 0;
}

void ChooseCategory(int category) {
  firstVisible = 0;
  currentCategory = category;
  ScanPartFolder();
}
