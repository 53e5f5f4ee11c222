// A part dragged on the canvas with the mouse, and the pointer that shows a
// part can be grabbed.
#pragma once

#include <windows.h>

// Loads the move cursor, once, with the editor window.
void LoadDragCursor();

// A press at client point (x, y) off the palette: the topmost part drawn
// there becomes the current one, as its category button and (for the hair)
// its radio would make it, and is dragged, the mouse captured, until the
// button goes up. Returns false when no part is drawn there.
bool BeginDrag(HWND window, int x, int y);

// The pointer at client point (x, y), which may lie outside the client area
// while captured: the dragged part moves as far as the arrows would move it,
// a pair's grabbed copy following the pointer and the other mirroring it.
void DragTo(HWND window, int x, int y);

// Ends a drag keeping what moved, as one change that undo takes back. Does
// nothing when no drag is going on.
void FinishDrag(HWND window);

// Ends a drag putting the part back where it was.
void CancelDrag(HWND window);

// The cursor for the editor's client area at client point (x, y): the move
// cursor over a part. Returns false, setting nothing, elsewhere.
bool SetDragCursor(HWND window, int x, int y);
