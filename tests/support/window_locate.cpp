// Tells the scripts that drive the real program (the demonstration and the
// end-to-end save test) where to click, in screen coordinates:
//   window          the editor's rectangle: left top width height
//   button <id>     the centre of a control of the editor
//   cell <k>        the centre of the k-th thumbnail cell on show
//   canvas [zoom]   the canvas's top-left corner in an editor just started,
//                   at 1x or at the zoom (1 to 6) it is shown at
//   preview <id>    the centre of a control of the preview window
//   colour <r> <c>  the centre of the basic colour in row r, column c of the
//                   open colour dialog
//   colour-ok       the colour dialog's OK button
//   question <id>   the centre of an answer (IDYES 6, IDNO 7, IDCANCEL 2) of
//                   the question the editor asks, e.g. before it closes
// Prints the numbers and exits 0, or exits 1 while the window is not there.
// The clicks themselves are real input events that the scripts send.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "portrait.h"
#include "palette.h"
#include "resource.h"
#include "zoom.h"

namespace {

const char EDITOR_CAPTION[] = "似顔絵ソフト　Ver1.00";
const char PREVIEW_CAPTION[] = "画像の取込後保存";

// The colour dialog's control of basic colours: 8 columns, 6 rows.
const int COLOUR_BOX_ID = 720;
const int COLOUR_COLUMNS = 8, COLOUR_ROWS = 6;

// The display's dpi, which the editor's dialog font is made at.
int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : BASE_DPI;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi;
}

HWND VisibleWindow(const char *caption) {
  HWND window = FindWindowA(nullptr, caption);
  return window && IsWindowVisible(window) ? window : nullptr;
}

// The editor's title bar names the portrait file before the caption once
// there is one (and a * while it has changes); its questions carry the
// caption too, but no category buttons.
BOOL CALLBACK FindEditor(HWND window, LPARAM found) {
  char title[512] = "";
  GetWindowTextA(window, title, sizeof title);
  std::size_t length = std::strlen(title), caption = std::strlen(EDITOR_CAPTION);
  if (IsWindowVisible(window) && length >= caption && !std::strcmp(title + length - caption, EDITOR_CAPTION) &&
      GetDlgItem(window, IDC_CATEGORY_FACE)) {
    *reinterpret_cast<HWND *>(found) = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK FindColourDialog(HWND window, LPARAM found) {
  if (IsWindowVisible(window) && GetDlgItem(window, COLOUR_BOX_ID)) {
    *reinterpret_cast<HWND *>(found) = window;
    return FALSE;
  }
  return TRUE;
}

// A question the editor asks: a window it owns with the answer asked for.
struct QuestionSearch {
  HWND editor;
  int answer;
  HWND found;
};
BOOL CALLBACK FindQuestion(HWND window, LPARAM search) {
  auto *question = reinterpret_cast<QuestionSearch *>(search);
  if (IsWindowVisible(window) && GetWindow(window, GW_OWNER) == question->editor &&
      FindWindowExA(window, nullptr, nullptr, nullptr) && GetDlgItem(window, question->answer)) {
    question->found = window;
    return FALSE;
  }
  return TRUE;
}

bool ControlCentre(HWND dialog, int id, POINT &at) {
  RECT r;
  HWND control = dialog ? GetDlgItem(dialog, id) : nullptr;
  if (!control || !GetWindowRect(control, &r)) return false;
  at.x = (r.left + r.right) / 2;
  at.y = (r.top + r.bottom) / 2;
  return true;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: window_locate window | button <id> | cell <k> | canvas | "
                         "preview <id> | colour <row> <column> | colour-ok | question <id>\n");
    return 2;
  }
  const char *what = argv[1];
  int first = argc > 2 ? std::atoi(argv[2]) : 0;
  HWND editor = nullptr;
  EnumWindows(FindEditor, reinterpret_cast<LPARAM>(&editor));
  POINT at = {0, 0};
  if (!std::strcmp(what, "window")) {
    RECT r;
    if (!editor || !GetWindowRect(editor, &r)) return 1;
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
  } else if (!std::strcmp(what, "button")) {
    if (!ControlCentre(editor, first, at)) return 1;
  } else if (!std::strcmp(what, "cell")) {
    if (!editor) return 1;
    RECT cell = PaletteCellRect(first, ScreenDpi());
    at = {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    ClientToScreen(editor, &at);
  } else if (!std::strcmp(what, "canvas")) {
    if (!editor) return 1;
    ResetPortrait();  // the start values: where the canvas is, at 1x or the zoom asked
    at = CanvasToWindow(LayOutZoom(argc > 2 ? first : 1, ScreenDpi(), {0, 0, 0, 0}, {0, 0}, 0).canvas,
                        {canvasX, canvasY});
    ClientToScreen(editor, &at);
  } else if (!std::strcmp(what, "preview")) {
    if (!ControlCentre(VisibleWindow(PREVIEW_CAPTION), first, at)) return 1;
  } else if (!std::strcmp(what, "question")) {
    QuestionSearch search = {editor, first, nullptr};
    if (!editor) return 1;
    EnumWindows(FindQuestion, reinterpret_cast<LPARAM>(&search));
    if (!ControlCentre(search.found, first, at)) return 1;
  } else if (!std::strcmp(what, "colour") || !std::strcmp(what, "colour-ok")) {
    HWND dialog = nullptr;
    EnumWindows(FindColourDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) return 1;
    if (!std::strcmp(what, "colour-ok")) {
      if (!ControlCentre(dialog, IDOK, at)) return 1;
    } else {
      RECT box;
      if (argc < 4 || !GetWindowRect(GetDlgItem(dialog, COLOUR_BOX_ID), &box)) return 1;
      int column = std::atoi(argv[3]);
      at.x = box.left + (box.right - box.left) * (2 * column + 1) / (2 * COLOUR_COLUMNS);
      at.y = box.top + (box.bottom - box.top) * (2 * first + 1) / (2 * COLOUR_ROWS);
    }
  } else {
    return 2;
  }
  std::printf("%ld %ld\n", at.x, at.y);
  return 0;
}
