#include "commands.h"

#include <commdlg.h>

#include "document.h"
#include "editor.h"
#include "help.h"
#include "history.h"
#include "image_export.h"
#include "text.h"
#include "texts.h"
#include "preview.h"
#include "catalogue.h"
#include "resource.h"

namespace {

// One step of a command: a field of the slot and how much it changes.
struct Step {
  int PartSlot::*field;
  int delta;
};

struct PartCommand {
  unsigned id;
  bool mayTargetBackHair;
  Step steps[4];
  int stepCount;
};

const PartCommand PART_COMMANDS[] = {
    {IDC_PART_WIDER, true, {{&PartSlot::width, 2}, {&PartSlot::x, -1}}, 2},
    {IDC_PART_NARROWER, true, {{&PartSlot::width, -2}, {&PartSlot::x, 1}}, 2},
    {IDC_PART_TALLER, true, {{&PartSlot::height, 2}, {&PartSlot::y, -1}}, 2},
    {IDC_PART_SHORTER, true, {{&PartSlot::height, -2}, {&PartSlot::y, 1}}, 2},
    {IDC_PART_LARGER, true,
     {{&PartSlot::width, 2}, {&PartSlot::x, -1}, {&PartSlot::height, 2}, {&PartSlot::y, -1}}, 4},
    {IDC_PART_SMALLER, true,
     {{&PartSlot::width, -2}, {&PartSlot::x, 1}, {&PartSlot::height, -2}, {&PartSlot::y, 1}}, 4},
    {IDC_MOVE_UP, true, {{&PartSlot::y, -1}}, 1},
    {IDC_MOVE_DOWN, true, {{&PartSlot::y, 1}}, 1},
    {IDC_MOVE_LEFT, true, {{&PartSlot::x, -1}}, 1},
    {IDC_MOVE_RIGHT, true, {{&PartSlot::x, 1}}, 1},
    {IDC_ROTATE_RIGHT, false, {{&PartSlot::angle, 5}}, 1},
    {IDC_ROTATE_LEFT, false, {{&PartSlot::angle, -5}}, 1},
};

const PartCommand *FindPartCommand(unsigned id) {
  for (const PartCommand &command : PART_COMMANDS)
    if (command.id == id) return &command;
  return nullptr;
}

// The edit limits, tested on the current value before each step.
bool StepAllowed(const PartSlot &slot, const Step &step) {
  int value = slot.*step.field;
  bool up = step.delta > 0;
  if (step.field == &PartSlot::width) return up ? value < 120 : value > 1;
  if (step.field == &PartSlot::height) return up ? value < 150 : value > 1;
  if (step.field == &PartSlot::x) return up ? value < 80 : value > -canvasX;
  if (step.field == &PartSlot::y) return up ? value < 100 : value > -canvasY;
  return up ? value < 50 : value > -50;  // angle
}

bool IsPartCommand(unsigned id) { return id == IDC_ANGLE_ZERO || FindPartCommand(id); }

bool IsBaseCommand(unsigned id) { return id >= IDC_BASE_WIDER && id <= IDC_BASE_SHORTER; }

int BackHairChecked(HWND window) {
  return SendMessageA(GetDlgItem(window, IDC_BACK_HAIR), BM_GETCHECK, 0, 0) != 0;
}

void EnableControl(HWND window, int id, bool enable) {
  EnableWindow(GetDlgItem(window, id), enable ? TRUE : FALSE);
}

}  // namespace

void ApplyPartCommand(unsigned id, int backHairChecked) {
  if (id == IDC_ANGLE_ZERO) {
    LoadCurrentPiece();
    LayerTable[currentCategory].angle = 0;
    StoreCurrentPiece();
    return;
  }
  const PartCommand *command = FindPartCommand(id);
  if (!command) return;
  bool backHair = command->mayTargetBackHair && backHairChecked && currentCategory == CAT_HAIR;
  if (!backHair) LoadCurrentPiece();
  PartSlot &slot = LayerTable[backHair ? CAT_BACK_HAIR : currentCategory];
  for (int i = 0; i < command->stepCount; ++i) {
    const Step &step = command->steps[i];
    if (StepAllowed(slot, step)) slot.*step.field += step.delta;
  }
  if (!backHair) StoreCurrentPiece();
}

int ApplyBaseCommand(unsigned id) {
  switch (id) {
    case IDC_BASE_WIDER:
      if (canvasX <= 0) return 0;
      canvasX -= 1;
      canvasWidth += 2;
      return 1;
    case IDC_BASE_TALLER:
      if (canvasY <= 0) return 0;
      canvasY -= 1;
      canvasHeight += 2;
      return 1;
    case IDC_BASE_NARROWER:
      canvasX += 1;
      canvasWidth -= 2;
      return 1;
    case IDC_BASE_SHORTER:
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

void ApplyColourCommand(HWND owner, ColourChooser chooser) {
  LoadCurrentPiece();
  PartSlot &slot = LayerTable[currentCategory];
  chooser(owner, slot.red, slot.green, slot.blue);
  if (currentCategory == CAT_HAIR) MatchBackHairColour();
  StoreCurrentPiece();
}

void ChoosePartColour(HWND owner, int &red, int &green, int &blue) {
  // The custom colours offer natural skin tones (first row) and hair colours
  // (second row: black, dark brown, brown, chestnut, auburn, blond, grey,
  // white), so that a face or a hair takes one in a click. They are not kept
  // between dialogs.
  COLORREF customColours[16] = {
      RGB(255, 232, 214), RGB(248, 214, 186), RGB(238, 196, 160), RGB(224, 172, 128),
      RGB(198, 140, 98),  RGB(166, 110, 74),  RGB(124, 80, 54),   RGB(86, 56, 40),
      RGB(0, 0, 0),       RGB(72, 46, 30),    RGB(112, 72, 40),   RGB(150, 84, 42),
      RGB(164, 62, 34),   RGB(232, 196, 110), RGB(150, 150, 150), RGB(238, 238, 238)};
  CHOOSECOLORA choice = {};
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = owner;
  choice.rgbResult = RGB(red & 0xFF, green & 0xFF, blue & 0xFF);
  choice.lpCustColors = customColours;
  choice.Flags = CC_RGBINIT;
  if (ChooseColorA(&choice)) {
    red = GetRValue(choice.rgbResult);
    green = GetGValue(choice.rgbResult);
    blue = GetBValue(choice.rgbResult);
  }
  SetFocus(owner);
}

// Carries out a command and repaints as it needs.
static void ApplyEditorCommand(HWND window, unsigned id) {
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
    EnableControl(window, IDC_FRONT_HAIR, currentCategory == CAT_HAIR);
    EnableControl(window, IDC_BACK_HAIR, currentCategory == CAT_HAIR);
    EnableControl(window, IDC_NEXT_PIECE, currentCategory == CAT_OTHER);
    EnableControl(window, IDC_PREVIOUS_PIECE, currentCategory == CAT_OTHER);
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
      DestroyWindow(window);
      return;
    case IDC_SHOW_HELP:
      OpenHelpPage(window, BasePath(HELP_PAGE_EDITOR).c_str());
      return;
    default:
      return;
  }
  RepaintEditor(window);
}

static void ShowVersion(HWND editor) {
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
static bool HandleFileCommand(HWND window, unsigned id) {
  switch (id) {
    case IDC_OPEN_PORTRAIT:
      OpenPortraitCommand(window);
      return true;
    case IDC_SAVE_PORTRAIT:
    case IDC_SAVE_PORTRAIT_AS:
      SavePortraitCommand(window, id == IDC_SAVE_PORTRAIT_AS);
      return true;
    case IDC_EXPORT_IMAGE:
      ExportCanvasImage(window);
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

void HandleEditorCommand(HWND window, unsigned id) {
  if (HandleFileCommand(window, id)) return;
  if (id == IDC_UNDO || id == IDC_REDO) {
    if (id == IDC_UNDO ? UndoChange() : RedoChange()) RepaintEditor(window);
    return;
  }
  PortraitState before = CurrentPortrait();
  ApplyEditorCommand(window, id);
  RecordChange(before);
}
