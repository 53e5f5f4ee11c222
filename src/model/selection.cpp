#include "model/selection.h"

void SelectPartAt(HWND, WPARAM, LPARAM) {}
