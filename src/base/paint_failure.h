// Failure messages raised while a window paints. A message box runs a
// message loop of its own, in which the window paints again and would fail
// again, so a paint shows at most one message: the first one.
#pragma once

#include <windows.h>

#include "failure.h"

// Shows the failure through ShowFailure, unless a message has already been
// shown since the current paint began; nothing when it holds none.
void ShowPaintFailure(HWND owner, const Failure &failure);

// Every function that paints opens a paint with BeginPaintFailures and
// closes it with EndPaintFailures. Paints nest: the editor's paint holds the
// palette's and the portrait's, and only the outermost one begins and ends
// the record of shown messages. A paint run by an open message box's own
// loop neither begins nor ends one, so its messages count as the outer
// paint's.
void BeginPaintFailures();
void EndPaintFailures();
