#include "edit_commands.h"

#include "colour_dialog.h"
#include "colour_match.h"
#include "editor_window.h"
#include "history.h"
#include "resource.h"

namespace {

// The part edit of each part button, in PartEdit's order.
const unsigned PART_EDIT_BUTTONS[] = {
    IDC_PART_WIDER, IDC_PART_NARROWER, IDC_PART_TALLER, IDC_PART_SHORTER, IDC_PART_LARGER,
    IDC_PART_SMALLER, IDC_MOVE_UP, IDC_MOVE_DOWN, IDC_MOVE_LEFT, IDC_MOVE_RIGHT,
    IDC_ROTATE_RIGHT, IDC_ROTATE_LEFT, IDC_ANGLE_ZERO,
};

// The part edit of a button id, or -1.
int PartEditOf(unsigned id) {
  for (int edit = EDIT_WIDER; edit <= EDIT_ANGLE_ZERO; ++edit)
    if (PART_EDIT_BUTTONS[edit] == id) return edit;
  return -1;
}

bool IsPartCommand(unsigned id) { return PartEditOf(id) >= 0; }

bool IsBaseCommand(unsigned id) { return id >= IDC_BASE_WIDER && id <= IDC_BASE_SHORTER; }

int BackHairChecked(HWND window) {
  return SendMessageA(GetDlgItem(window, IDC_BACK_HAIR), BM_GETCHECK, 0, 0) != 0;
}

void EnableControl(HWND window, int id, bool enable) {
  EnableWindow(GetDlgItem(window, id), enable ? TRUE : FALSE);
}

}  // namespace

void ApplyPartCommand(unsigned id, int backHairChecked) {
  int edit = PartEditOf(id);
  if (edit >= 0) ApplyPartEdit(static_cast<PartEdit>(edit), backHairChecked);
}

int ApplyBaseCommand(unsigned id) {
  if (!IsBaseCommand(id)) return 0;
  // The base buttons' ids follow BaseEdit's order.
  return ApplyBaseEdit(static_cast<BaseEdit>(id - IDC_BASE_WIDER));
}

namespace {

// The colour of the current category's part changed as the 色 button
// changes it: through the working copy of the piece, the back hair taking
// the hair's colour.
template <class Change>
void ChangeCurrentColour(Change change) {
  LoadCurrentPiece();
  PartSlot &slot = LayerTable[currentCategory];
  change(slot);
  if (currentCategory == CAT_HAIR) MatchBackHairColour();
  StoreCurrentPiece();
}

}  // namespace

void ApplyColourCommand(HWND owner, ColourChooser chooser) {
  ChangeCurrentColour([&](PartSlot &slot) { chooser(owner, slot.red, slot.green, slot.blue); });
}

void ApplyPickedColour(COLORREF colour) {
  ChangeCurrentColour([colour](PartSlot &slot) {
    slot.red = GetRValue(colour);
    slot.green = GetGValue(colour);
    slot.blue = GetBValue(colour);
  });
}

void ShowCategoryControls(HWND window) {
  EnableControl(window, IDC_FRONT_HAIR, currentCategory == CAT_HAIR);
  EnableControl(window, IDC_BACK_HAIR, currentCategory == CAT_HAIR);
  EnableControl(window, IDC_NEXT_PIECE, currentCategory == CAT_OTHER);
  EnableControl(window, IDC_PREVIOUS_PIECE, currentCategory == CAT_OTHER);
}

void FocusCategoryButton(HWND window) {
  HWND focus = GetFocus();
  if (focus == window || IsChild(window, focus))
    SetFocus(GetDlgItem(window, IDC_CATEGORY_BASE + (currentCategory > 0 ? currentCategory : CAT_FACE)));
}

namespace {

// Carries out an edit command of the buttons (and keys) and repaints as it
// needs; any other id does nothing.
void ApplyEditCommand(HWND window, unsigned id) {
  if (IsPartCommand(id)) {
    ApplyPartCommand(id, BackHairChecked(window));
    RepaintEditor(window);
    return;
  }
  if (IsBaseCommand(id)) {
    if (ApplyBaseCommand(id)) RepaintEditor(window);
    return;
  }
  if (id > IDC_CATEGORY_BASE && id <= IDC_CATEGORY_GLASSES) {
    ChooseCategory(id - IDC_CATEGORY_BASE);
    RepaintEditor(window);
    ShowCategoryControls(window);
    FocusCategoryButton(window);
    return;
  }
  switch (id) {
    case IDC_OFF:
      SwitchCurrentPartOff();
      break;
    case IDC_COLOUR:
      ApplyColourCommand(window, ChoosePartColour);
      break;
    case IDC_FLIP_PART:
      FlipCurrentPart();
      break;
    case IDC_MATCH_COLOURS: {
      bool every[CATEGORY_COUNT];
      for (bool &category : every) category = true;
      MatchColours(LayerTable, every);
      break;
    }
    case IDC_NEXT_PIECE:
      SelectNextPiece();
      break;
    case IDC_PREVIOUS_PIECE:
      SelectPreviousPiece();
      break;
    case IDC_NEXT_PAGE:
      ShowNextPage();
      break;
    case IDC_PREVIOUS_PAGE:
      ShowPreviousPage();
      break;
    default:
      return;
  }
  RepaintEditor(window);
}

}  // namespace

void RunEditCommand(HWND window, unsigned id) {
  PortraitState before = CurrentPortrait();
  ApplyEditCommand(window, id);
  RecordChange(before);
}
