// The editor window: the program's one main window, a modeless dialog from
// template 13, and the start of the program.
#pragma once

#include <windows.h>

extern HINSTANCE appInstance;
extern HWND editorWindow;

// Reads the current directory into baseDir. Returns 0 (and shows why) when
// it does not fit.
int ReadStartDirectory();

// Creates the editor window from template 13 and keeps its handle in
// editorWindow. Returns null (and shows why) when it cannot be created.
HWND CreateEditorWindow(HINSTANCE instance);

// Moves the window so that a 300 x 200 window would sit in the screen's
// centre; the window keeps its own size.
void CentreEditorWindow(HWND window);

// Where CentreEditorWindow puts a window's top-left corner on a screen of the
// given size.
POINT EditorWindowPosition(int screenWidth, int screenHeight);

// Dispatches messages until the quit message.
void RunMessageLoop();

INT_PTR CALLBACK MainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Draws the editor's client area on dc: the dialog's background, the
// palette and the portrait, showing at most one failure message.
void PaintEditor(HWND window, HDC dc);

// A left click at client point (x, y): a thumbnail on show is chosen and
// placed on the portrait; every click ends with a repaint.
void OnLButtonDown(HWND window, int x, int y);

// Redraws the whole client area, palette and portrait, before returning.
void RepaintEditor(HWND window);
