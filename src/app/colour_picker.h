// The colour picker: Alt+click on the canvas, or 編集 > 色を拾う and then a
// click on the canvas, takes the colour under the pointer as the current
// part's colour. Above the edit commands and the zoomed view.
#pragma once

#include <windows.h>

// 色を拾う: the next click on the canvas picks (checked in the menu while
// it waits); chosen again, or Escape, it stops waiting.
void ToggleColourPicker();
void StopColourPicker();
bool ColourPickerWaiting();

// A click at client point (x, y) with Alt held, or while the picker waits:
// when the point shows a canvas pixel, its colour (CanvasColourAt) becomes
// the current part's as the 色 button's dialog would set it, as one change,
// and the window is repainted. Returns false, with nothing done, for a
// point off the canvas; the picker stops waiting either way.
bool PickColourAt(HWND window, int x, int y);

// The cross cursor over the canvas while the picker waits. Returns true
// when it set the cursor.
bool SetPickerCursor(int x, int y);
