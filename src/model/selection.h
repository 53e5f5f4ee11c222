// Choosing a part with a click on the palette, and its default placement.
#pragma once

#include <windows.h>

void SelectPartAt(HWND window, WPARAM wParam, LPARAM lParam);
