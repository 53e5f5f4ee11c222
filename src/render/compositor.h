// The portrait, composed on the canvas from the part files, layer by layer.
#pragma once

#include <windows.h>

// Clears the canvas to white and draws every part that is switched on, from
// the back hair (slot 0) to the glasses (slot 12), the ten pieces in slot
// 2's turn: each one stretched to its size, transparent where pure white,
// recoloured, turned by its angle, and for a pair drawn again mirrored about
// the canvas's centre, turned the other way. Not clipped to the canvas.
// Every piece is copied whole into LayerTable slot 2 before it is drawn, so
// afterwards slot 2 equals PieceTable[9]. Nothing is kept between paints.
// window owns the failure messages and lends its device context; dc is the
// paint's context. An export composes on another canvas colour as well, to
// tell where the canvas shows through no part.
void ComposePortrait(HWND window, HDC dc, COLORREF canvasColour = RGB(255, 255, 255));
