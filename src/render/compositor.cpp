#include "render/compositor.h"

void ComposePortrait(HWND, HDC) {}
