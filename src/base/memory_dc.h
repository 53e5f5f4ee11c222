// Memory device contexts, made and released the same way everywhere.
#pragma once

#include <windows.h>

#include "failure.h"

// A memory device context compatible with like (the screen when null), or
// null with "失敗しました。" / "CreateCompatibleDC" kept in *failure.
HDC CreateMemoryDC(HDC like, Failure *failure);

// Releases a memory device context with DeleteDC; should that fail, with
// DeleteObject on the same handle. Select every object made for it back out
// first. A null context is ignored.
void DeleteMemoryDC(HDC dc);
