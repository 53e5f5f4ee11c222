// The portrait, composed layer by layer on the canvas.
#pragma once

#include <windows.h>

void ComposePortrait(HWND window, HDC dc);
