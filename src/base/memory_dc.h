// Memory device contexts, made and released the same way everywhere.
#pragma once

#include <windows.h>

// Releases a memory device context with DeleteDC; should that fail, with
// DeleteObject on the same handle. Select every object made for it back out
// first. A null context is ignored.
void DeleteMemoryDC(HDC dc);
