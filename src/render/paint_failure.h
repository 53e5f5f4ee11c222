// Failure messages raised while the editor paints. A message box runs a
// message loop of its own, in which the editor paints again and would fail
// again, so a paint shows at most one message: the first one.
#pragma once

#include <windows.h>

// Shows text with caption through ShowFailure, unless a message has already
// been shown since the current paint began.
void ShowPaintFailure(HWND owner, const char *text, const char *caption);

// The palette is drawn first in every paint and the portrait last: the
// palette begins a paint's record of shown messages and the compositor ends
// it. A paint nested in an open message box's loop neither begins nor ends
// one, so its messages count as the outer paint's.
void BeginPaintFailures();
void EndPaintFailures();
