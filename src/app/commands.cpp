#include "commands.h"

#include "association.h"
#include "colour_dialog.h"
#include "document.h"
#include "drag.h"
#include "editor.h"
#include "file_dialog.h"
#include "clipboard.h"
#include "help.h"
#include "history.h"
#include "image_export.h"
#include "text.h"
#include "texts.h"
#include "preview.h"
#include "random_portrait.h"
#include "recent_files.h"
#include "settings.h"
#include "catalogue.h"
#include "resource.h"
#include "unsaved.h"
#include "zoom_view.h"

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

void ApplyColourCommand(HWND owner, ColourChooser chooser) {
  LoadCurrentPiece();
  PartSlot &slot = LayerTable[currentCategory];
  chooser(owner, slot.red, slot.green, slot.blue);
  if (currentCategory == CAT_HAIR) MatchBackHairColour();
  StoreCurrentPiece();
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

// Carries out a command and repaints as it needs.
void ApplyEditorCommand(HWND window, unsigned id) {
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
    case IDC_SAVE:
      OpenCapturePreview(window);
      return;
    case IDC_CLOSE:
      CloseEditor(window);
      return;
    case IDC_SHOW_HELP:
      OpenHelpPage(window, BasePath(HELP_PAGE_EDITOR).c_str());
      return;
    case IDC_RANDOM_PORTRAIT:
    case IDC_RANDOM_PART:
      PlaceRandomParts(window, id == IDC_RANDOM_PART);
      break;
    default:
      return;
  }
  RepaintEditor(window);
}

void ShowVersion(HWND editor) {
  std::wstring caption = ProgramText(TEXT_VERSION_TITLE), text = ProgramCaption(editor);
  MSGBOXPARAMSW box = {};
  box.cbSize = sizeof box;
  box.hwndOwner = editor;
  box.hInstance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(editor, GWLP_HINSTANCE));
  box.lpszText = text.c_str();
  box.lpszCaption = caption.c_str();
  box.dwStyle = MB_OK | MB_USERICON;
  box.lpszIcon = MAKEINTRESOURCEW(IDI_PROGRAM);
  MessageBoxIndirectW(&box);
}

// The commands of the menu that take the portrait to and from files and
// other programs. Opening a file records its own change.
bool HandleFileCommand(HWND window, unsigned id) {
  if (id >= IDC_RECENT_FIRST && id <= IDC_RECENT_LAST) {
    OpenRecentFile(window, id - IDC_RECENT_FIRST);
    return true;
  }
  switch (id) {
    case IDC_NEW_PORTRAIT:
      NewPortrait(window);
      return true;
    case IDC_OPEN_PORTRAIT:
      OpenPortraitCommand(window);
      return true;
    case IDC_SAVE_PORTRAIT:
    case IDC_SAVE_PORTRAIT_AS:
      SavePortraitCommand(window, id == IDC_SAVE_PORTRAIT_AS);
      return true;
    case IDC_EXPORT_IMAGE:
      ExportRemembering(window, StemOf(NameOf(portraitFilePath)));
      return true;
    case IDC_ASSOCIATE:
      AssociatePortraitFiles(window);
      return true;
    case IDC_REMOVE_ASSOCIATION:
      RemovePortraitAssociation(window);
      return true;
    case IDC_COPY_IMAGE:
      CopyCanvasImage(window);
      return true;
    case IDC_SHOW_VERSION:
      ShowVersion(window);
      return true;
  }
  return false;
}

}  // namespace

void HandleEditorCommand(HWND window, unsigned id) {
  // Escape puts a dragged part back; any other command ends the drag first,
  // keeping what moved as a change of its own.
  if (id == IDC_CANCEL_DRAG) {
    CancelDrag(window);
    return;
  }
  FinishDrag(window);
  if (HandleFileCommand(window, id) || HandleViewCommand(window, id)) return;
  if (id == IDC_UNDO || id == IDC_REDO) {
    if (id == IDC_UNDO ? UndoChange() : RedoChange()) RepaintEditor(window);
    return;
  }
  PortraitState before = CurrentPortrait();
  ApplyEditorCommand(window, id);
  RecordChange(before);
}
