// The editor window: the program's one main window, a modeless dialog from
// template 13, and the start of the program.
#pragma once

#include <windows.h>

#include "dib24.h"
#include "editor_window.h"


// Reads the current directory into baseDir. Returns 0 (and shows why) when
// it does not fit.
int ReadStartDirectory();

// Creates the editor window from template 13, with its menu bar, and keeps
// its handle in editorWindow; loads its keys. Returns null (and shows why) when it cannot be created.
HWND CreateEditorWindow(HINSTANCE instance);

// Moves the window so that a 300 x 200 window would sit in the screen's
// centre; the window keeps its own size. Where it would then reach past its
// monitor's work area, it is moved back within it.
void CentreEditorWindow(HWND window);

// Where CentreEditorWindow puts a window's top-left corner on a screen of the
// given size.
POINT EditorWindowPosition(int screenWidth, int screenHeight);

// Carries out the command of a key pressed in editor, whichever of its
// controls has the focus, through the editor's key table (the keys shown in
// its menu bar) and the same handling as the buttons. A key held down
// repeats only the moves. Returns true when message was such a key. Keys of
// other windows (a preview, a dialog) are left to them.
bool TranslateEditorKey(HWND editor, MSG &message);

// Dispatches messages until the quit message, turning the editor's keys
// into its commands.
void RunMessageLoop();

INT_PTR CALLBACK MainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Draws the editor's client area on dc: the dialog's background, the
// palette and the portrait, showing at most one failure message. With
// framePixels, the pixels of the frame selected into dc, turned parts are
// drawn on them in place.
void PaintEditor(HWND window, HDC dc, const Pixels24 *framePixels = nullptr);

// A left click at client point (x, y): with Alt held or the colour picker
// waiting, a point on the canvas gives the current part its colour; a
// thumbnail on show is chosen and placed on the portrait, a part on the
// window is grabbed and dragged; every other click ends with a repaint.
void OnLButtonDown(HWND window, int x, int y);
