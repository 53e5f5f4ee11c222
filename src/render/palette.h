// The palette: five thumbnails of the current category's parts.
#pragma once

#include <windows.h>

void DrawPartPalette(HWND window, HDC dc);
