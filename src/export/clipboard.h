// The copy command: the picture on the clipboard.
#pragma once

#include <windows.h>

// OpenClipboard for owner, tried again a few times a little apart while
// another program holds the clipboard open for a moment (up to half a
// second). Close with CloseClipboard.
bool OpenClipboardWaiting(HWND owner);

// The canvas at the last chosen scale on the clipboard, as a
// device-independent bitmap (CF_DIB) and as PNG (the registered format
// "PNG", transparent as last chosen). Returns 1 when done; 0 after showing
// why in a box owned by editor.
int CopyCanvasImage(HWND editor);
