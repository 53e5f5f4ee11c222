// The editor window's handle and its repaint: the bottom of the editor's
// code, which every command and handler repaints through.
#pragma once

#include <windows.h>

extern HINSTANCE appInstance;
extern HWND editorWindow;

// Redraws the whole client area, palette and portrait, before returning;
// the controls are left as they are.
void RepaintEditor(HWND window);

// Repaints the client area within the given rectangles, but not the
// controls, before returning.
void RepaintRects(HWND window, const RECT *rects, int count);

// A child window's rectangle in window's client pixels.
RECT ChildRect(HWND window, HWND child);

// The brush the dialog's own erase paints its background with (the
// system's: not to be deleted).
HBRUSH DialogBackground(HWND window, HDC dc);
