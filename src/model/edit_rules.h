// The edit rules: how the part and base commands change the portrait, and
// the limits every edit keeps, whether it comes from a button, a key, the
// wheel or a drag. Plain rules on the portrait model.
#pragma once

#include "portrait.h"

// Limits of a part's fields. A step tests its limit on the value before it
// and is skipped when the test fails; nothing is ever clamped, so a value
// already beyond a limit stays where it is.
const int PART_WIDTH_MAX = 120;   // widened while below
const int PART_HEIGHT_MAX = 150;  // made taller while below
const int PART_SIDE_MIN = 1;      // narrowed or shortened while above
const int PART_X_MAX = 80;        // moved right while below; left while above -canvasX
const int PART_Y_MAX = 100;       // moved down while below; up while above -canvasY
const int PART_ANGLE_MAX = 50;    // turned right while below, left while above its negative
const int SIZE_STEP = 2;
const int ANGLE_STEP = 5;

// The edits of a part, one per command.
enum PartEdit {
  EDIT_WIDER, EDIT_NARROWER, EDIT_TALLER, EDIT_SHORTER, EDIT_LARGER, EDIT_SMALLER,
  EDIT_UP, EDIT_DOWN, EDIT_LEFT, EDIT_RIGHT,
  EDIT_TURN_RIGHT, EDIT_TURN_LEFT, EDIT_ANGLE_ZERO,
};

// The slot a part edit acts on: the back hair itself when backHair is set
// and the hair is the current category (size and move only), otherwise the
// current category's slot, with the current piece loaded into slot 2.
// EndPartEdit stores slot 2 back into the current piece for the latter.
bool TargetsBackHair(PartEdit edit, int backHairChecked);
PartSlot &BeginPartEdit(bool backHair);
void EndPartEdit(bool backHair);

// One edit on its target, each of its steps under its own limit.
void ApplyPartEdit(PartEdit edit, int backHairChecked);

// value moved by delta one unit at a time while it stays within low..high:
// it stops at the limit it reaches, and a value already beyond the limit
// in delta's direction stays as it is.
int MoveWithinLimits(int value, int delta, int low, int high);

// A drag: the slot's position moved from (x, y) by (dx, dy) as that many
// presses of the arrows would move it.
void MovePartFrom(PartSlot &slot, int x, int y, int dx, int dy);

// The base edits, which resize the canvas about its centre.
enum BaseEdit { BASE_WIDER, BASE_TALLER, BASE_NARROWER, BASE_SHORTER };

// Returns 1 when the canvas changed; widening and heightening stop at the
// client area's edge, narrowing and shortening have no limit.
int ApplyBaseEdit(BaseEdit edit);

// "OFF": the current category's part off; the hair takes the back hair with
// it and "other" switches every piece off.
void SwitchCurrentPartOff();

// 左右反転: the current category's single part mirrored about its own
// centre, the hair with its back half; a pair, a part switched off and no
// category are left as they are. The angle turns the other way with it, so
// that a turned part shows its own mirror image and turning goes on as the
// buttons say. Returns 1 when a part was flipped; CanFlipCurrentPart says
// beforehand whether one would be.
bool CanFlipCurrentPart();
int FlipCurrentPart();

// "+" and "-": the next or previous piece in use, wrapping through 0.
void SelectNextPiece();
void SelectPreviousPiece();

// ">>" and "<<": the next or previous five thumbnails, wrapping.
void ShowNextPage();
void ShowPreviousPage();

// A category button: first page of that category's freshly scanned list.
void ChooseCategory(int category);
