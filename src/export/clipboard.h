// The copy command: the picture on the clipboard.
#pragma once

#include <windows.h>

// The canvas at the last chosen scale on the clipboard, as a
// device-independent bitmap (CF_DIB) and as PNG (the registered format
// "PNG", transparent as last chosen). Returns 1 when done; 0 after showing
// why in a box owned by editor.
int CopyCanvasImage(HWND editor);
