// The wheel over the canvas sizes and turns the current part: a notch is
// one step of a part button, and one change.
#pragma once

#include <windows.h>

// A turn of the wheel, delta in the platform's units (120 a notch, partial
// turns added up), with the keys held (MK_SHIFT, MK_CONTROL), the pointer
// at screen point (x, y): over the canvas, one step of 拡大 / 縮小 per notch,
// with Shift of 横広 / 横縮, with Ctrl of 右回 / 左回, each a command of its own.
void TurnWheel(HWND window, int delta, unsigned keys, int x, int y);
