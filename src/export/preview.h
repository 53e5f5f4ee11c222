// The preview window: the captured portrait at its natural size with the
// buttons save, cancel and help. A modeless dialog from template 12, owned
// by the editor; every press of the editor's save button opens another.
#pragma once

#include <windows.h>

// Preview windows that exist: the captured bitmap is released when the last
// one goes.
extern int openPreviews;

// The editor's save command: captures the 80 x 100 pixels at the canvas's
// top-left corner and opens a new preview owned by editor. Returns the
// preview, or null when the capture or the window failed (shown).
HWND OpenCapturePreview(HWND editor);

INT_PTR CALLBACK PreviewDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
