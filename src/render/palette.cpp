#include "render/palette.h"

void DrawPartPalette(HWND, HDC) {}
