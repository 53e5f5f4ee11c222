#include "app/editor.h"

#include "app/commands.h"
#include "app/failure.h"
#include "model/portrait.h"
#include "model/selection.h"
#include "render/compositor.h"
#include "render/palette.h"
#include "res/resource.h"
#include "res/texts.h"

HINSTANCE appInstance;
HWND editorWindow;

int ReadStartDirectory() {
  char directory[MAX_PATH + 1] = {0};
  DWORD length = GetCurrentDirectoryA(sizeof directory, directory);
  // The search pattern and part paths are built on baseDir: a truncated or
  // empty one would search the drive root, so the program stops instead.
  if (length == 0 || length >= sizeof baseDir) {
    ShowFailure(nullptr, TEXT_START_DIR_TOO_LONG, CAPTION_START_DIR);
    return 0;
  }
  lstrcpynA(baseDir, directory, sizeof baseDir);
  return 1;
}

HWND CreateEditorWindow(HINSTANCE instance) {
  editorWindow = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_EDITOR), nullptr,
                                    MainDialogProc, 0);
  if (!editorWindow) ShowFailure(nullptr, TEXT_NO_EDITOR_WINDOW, CAPTION_CREATE_DIALOG);
  return editorWindow;
}

POINT EditorWindowPosition(int screenWidth, int screenHeight) {
  POINT corner = {(screenWidth - 300) / 2, (screenHeight - 200) / 2};
  return corner;
}

void CentreEditorWindow(HWND window) {
  HDC screen = GetDC(nullptr);
  POINT corner = EditorWindowPosition(GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, VERTRES));
  ReleaseDC(nullptr, screen);
  SetWindowPos(window, HWND_TOP, corner.x, corner.y, 300, 200, SWP_NOSIZE);
}

void RunMessageLoop() {
  MSG message;
  // GetMessageA returns -1 on failure; looping on it would never end.
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void RepaintEditor(HWND window) {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

static void OnInitDialog(HWND window) {
  CheckRadioButton(window, IDC_FRONT_HAIR, IDC_BACK_HAIR, IDC_FRONT_HAIR);
  EnableWindow(GetDlgItem(window, IDC_FRONT_HAIR), FALSE);
  EnableWindow(GetDlgItem(window, IDC_BACK_HAIR), FALSE);
  EnableWindow(GetDlgItem(window, IDC_NEXT_PIECE), FALSE);
  EnableWindow(GetDlgItem(window, IDC_PREVIOUS_PIECE), FALSE);
}

static void OnPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  DrawPartPalette(window, dc);
  ComposePortrait(window, dc);
  EndPaint(window, &paint);
}

INT_PTR CALLBACK MainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog(window);
      return TRUE;
    case WM_PAINT:
      OnPaint(window);
      return 0;
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_COMMAND:
      HandleEditorCommand(window, LOWORD(wParam));
      return 0;
    case WM_LBUTTONDOWN:
      SelectPartAt(window, wParam, lParam);
      return 0;
  }
  return 0;
}
