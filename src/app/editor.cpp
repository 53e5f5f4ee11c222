#include "editor.h"

#include <windowsx.h>

#include <cwchar>
#include <string>

#include "catalogue.h"
#include "colour_picker.h"
#include "commands.h"
#include "compositor.h"
#include "document.h"
#include "drag.h"
#include "edit_rules.h"
#include "editor_window.h"
#include "failure.h"
#include "file_io.h"
#include "frame.h"
#include "history.h"
#include "paint_failure.h"
#include "photo_view.h"
#include "palette.h"
#include "random_portrait.h"
#include "part_file.h"
#include "portrait.h"
#include "recent_menu.h"
#include "recovery.h"
#include "resource.h"
#include "selection.h"
#include "text.h"
#include "texts.h"
#include "unsaved.h"
#include "wheel.h"
#include "zoom_view.h"


namespace {

HACCEL editorKeys;


}  // namespace

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
  // Started by a file association, the program may find itself in the
  // portrait's folder: without a kao folder there, the program's own folder,
  // where the parts come with it, is the start directory.
  wchar_t program[MAX_PATH + 1] = L"";
  DWORD programLength = GetModuleFileNameW(nullptr, program, MAX_PATH + 1);
  wchar_t *name = programLength > 0 && programLength <= MAX_PATH ? std::wcsrchr(program, L'\\') : nullptr;
  if (name && !IsFolder(SystemText(BasePath("kao").c_str()))) {
    *name = L'\0';
    char folder[DIR_PATH_SIZE];
    if (IsFolder(std::wstring(program) + L"\\kao") && ToSystemText(program, folder, sizeof folder))
      lstrcpynA(baseDir, folder, sizeof baseDir);
  }
  return 1;
}

HWND CreateEditorWindow(HINSTANCE instance) {
  // Made through the Unicode call, the template's texts show as they are
  // whatever the system's code page.
  editorWindow = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_EDITOR), nullptr,
                                    MainDialogProc, 0);
  if (!editorWindow) ShowFailure(nullptr, TEXT_NO_EDITOR_WINDOW, CAPTION_CREATE_DIALOG);
  // Released by the system with the program's module.
  if (!editorKeys) editorKeys = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_EDITOR_KEYS));
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
  KeepOnWorkArea(window);
}

bool TranslateEditorKey(HWND editor, MSG &message) {
  if (!editor || !editorKeys) return false;
  if (message.hwnd != editor && !IsChild(editor, message.hwnd)) return false;
  // Alt let go after moving or scaling the photo does not open the menu bar.
  if (message.message == WM_SYSKEYUP && message.wParam == VK_MENU && TakePhotoAltRelease()) return true;
  // A key held down moves a part on, but saves or takes back only once.
  if (message.message == WM_KEYDOWN && (message.lParam >> 30 & 1)) {
    WPARAM key = message.wParam;
    if (key != VK_UP && key != VK_DOWN && key != VK_LEFT && key != VK_RIGHT) return false;
  }
  return TranslateAcceleratorW(editor, editorKeys, &message) != 0;
}

void RunMessageLoop() {
  MSG message;
  // GetMessageW returns -1 on failure; looping on it would never end.
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (TranslateEditorKey(editorWindow, message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

namespace {

// Greys the menu items that can do nothing now. The keys' commands pass
// here too: a key does nothing where its item is grey.
void OnInitMenuPopup(HMENU menu) {
  auto enable = [menu](unsigned id, bool on) { EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED)); };
  enable(IDC_UNDO, CanUndo());
  enable(IDC_REDO, CanRedo());
  enable(IDC_SAVE_PORTRAIT, PortraitChanged());
  ShowViewMenu(menu);
  enable(IDC_FLIP_PART, CanFlipCurrentPart());
  ShowPhotoMenu(menu);
  enable(IDC_RANDOM_PART, !CurrentCategoryLocked());
  enable(IDC_LOCK_PART, CurrentCategoryLockable());
  CheckMenuItem(menu, IDC_PICK_COLOUR, MF_BYCOMMAND | (ColourPickerWaiting() ? MF_CHECKED : MF_UNCHECKED));
  CheckMenuItem(menu, IDC_LOCK_PART, MF_BYCOMMAND | (CurrentCategoryLocked() ? MF_CHECKED : MF_UNCHECKED));
}

void OnInitDialog(HWND window) {
  StartZoom(window);
  LoadDragCursor();
  DragAcceptFiles(window, TRUE);
  ShowRecentFiles(window);
  CheckRadioButton(window, IDC_FRONT_HAIR, IDC_BACK_HAIR, IDC_FRONT_HAIR);
  EnableWindow(GetDlgItem(window, IDC_FRONT_HAIR), FALSE);
  EnableWindow(GetDlgItem(window, IDC_BACK_HAIR), FALSE);
  EnableWindow(GetDlgItem(window, IDC_NEXT_PIECE), FALSE);
  EnableWindow(GetDlgItem(window, IDC_PREVIOUS_PIECE), FALSE);
  // Not on 閉じる, the first control, where a stray Space would end the
  // program: the focus starts on the first category.
  SetFocus(GetDlgItem(window, IDC_CATEGORY_FACE));
}

}  // namespace

void PaintEditor(HWND window, HDC dc, const Pixels24 *framePixels) {
  BeginPaintFailures();
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, DialogBackground(window, dc));
  DrawLockMarks(window, dc);
  Failure failure = DrawPaletteInView(window, dc);
  Failure composed = ComposeCanvasView(window, dc, framePixels);
  ShowPaintFailure(window, failure.text ? failure : composed);
  EndPaintFailures();
}

namespace {

// Keeps a copy to the window off the controls, which paint themselves right
// after the window: off the whole of a button or a text, and off the edges
// of a frame, whose inside is the canvas or the palette.
void ExcludeControls(HWND window, HDC dc) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT r = ChildRect(window, child);
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ETCHEDFRAME) {
      int edge = GetSystemMetrics(SM_CXEDGE);
      ExcludeClipRect(dc, r.left, r.top, r.right, r.top + edge);
      ExcludeClipRect(dc, r.left, r.bottom - edge, r.right, r.bottom);
      ExcludeClipRect(dc, r.left, r.top, r.left + edge, r.bottom);
      ExcludeClipRect(dc, r.right - edge, r.top, r.right, r.bottom);
    } else {
      ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
  }
}

// The palette and the portrait are drawn into a frame off the screen, which
// reaches the window in one copy: nothing on the window is erased first or
// drawn twice, so nothing flashes, and drawing never reads the window back.
// Only the region to paint is drawn into the frame: the drawing follows the
// frame's clipping, so a small region costs little.
void OnPaint(HWND window) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (region && GetUpdateRgn(window, region, FALSE) == ERROR) {
    DeleteObject(region);
    region = nullptr;
  }
  ShowCurrentCategory(window);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  Frame frame;
  Failure failure = {};
  if (OpenFrame(dc, client.right, client.bottom, &frame, &failure)) {
    if (region) SelectClipRgn(frame.dc, region);
    PaintEditor(window, frame.dc, &frame.pixels);
    ExcludeControls(window, dc);
    const RECT &r = paint.rcPaint;
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, frame.dc, r.left, r.top, SRCCOPY);
    CloseFrame(&frame);
  } else {
    ShowPaintFailure(window, failure);
    PaintEditor(window, dc);
  }
  EndPaint(window, &paint);
  if (region) DeleteObject(region);
}

}  // namespace

void OnLButtonDown(HWND window, int x, int y) {
  // A click while the picker waits takes a colour. Alt held on the canvas
  // takes the reference photo, where it shows, for a drag; a click there
  // that moves nothing takes the colour when the button goes up; with no
  // photo Alt and a click take the colour at once.
  if (ColourPickerWaiting() && PickColourAt(window, x, y)) return;
  if (GetKeyState(VK_MENU) < 0 && (BeginPhotoDrag(window, x, y) || PickColourAt(window, x, y))) return;
  int index = PaletteIndexInView(x, y);
  if (index < 0 && BeginDrag(window, x, y)) return;
  if (index >= 0) {
    PortraitState before = CurrentPortrait();
    Failure failure = {};
    PlaceListedPart(currentCategory, PartList[index], index, &failure);
    ShowPaintFailure(window, failure);
    RecordChange(before);
  }
  RepaintEditor(window);
}

INT_PTR CALLBACK MainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog(window);
      return FALSE;  // the focus is set
    case WM_ERASEBKGND:
      // The paint covers the whole client area with the frame.
      SetWindowLongPtrA(window, DWLP_MSGRESULT, 1);
      return TRUE;
    case WM_PAINT:
      OnPaint(window);
      return 0;
    case WM_CLOSE:
      CloseEditor(window);
      return 0;
    case WM_DESTROY:
      EndZoom();
      EndRecovery();
      PostQuitMessage(0);
      return 0;
    case WM_DPICHANGED:
      BeginScaleChange(window);
      return FALSE;  // the dialog scales itself
    case WM_SCALE_CHANGED:
      EndScaleChange(window);
      return 0;
    case WM_QUERYENDSESSION:
      SetWindowLongPtrA(window, DWLP_MSGRESULT, MayEndSession(window));
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) EndRecovery();
      return 0;
    case WM_TIMER:
      if (wParam == RECOVERY_TIMER) KeepRecovery();
      return 0;
    case WM_INITMENUPOPUP:
      OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
      return 0;
    case WM_COMMAND:
      HandleEditorCommand(window, LOWORD(wParam));
      if (IsWindow(window)) ShowEditorTitle(window);
      return 0;
    case WM_DROPFILES:
      OpenDroppedFile(window, reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_LBUTTONDOWN:
      // Client coordinates, each 16 bits taken as an unsigned number.
      OnLButtonDown(window, LOWORD(lParam), HIWORD(lParam));
      ShowEditorTitle(window);
      return 0;
    case WM_MOUSEMOVE:
      // Signed: the captured pointer may leave the client area.
      DragTo(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      DragPhotoTo(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED: {
      FinishDrag(window);
      POINT pressed;
      if (FinishPhotoDrag(&pressed) && message == WM_LBUTTONUP) PickColourAt(window, pressed.x, pressed.y);
      ShowEditorTitle(window);
      return 0;
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == window && LOWORD(lParam) == HTCLIENT) {
        POINT at;
        GetCursorPos(&at);
        ScreenToClient(window, &at);
        if (SetPickerCursor(at.x, at.y) || SetDragCursor(window, at.x, at.y)) {
          SetWindowLongPtrA(window, DWLP_MSGRESULT, TRUE);
          return TRUE;
        }
      }
      return 0;
    case WM_MOUSEWHEEL:
      TurnWheel(window, GET_WHEEL_DELTA_WPARAM(wParam), GET_KEYSTATE_WPARAM(wParam),
                GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      ShowEditorTitle(window);
      return 0;
  }
  return 0;
}
