#include "editor_window.h"

HINSTANCE appInstance;
HWND editorWindow;

void RepaintEditor(HWND window) {
  // The controls do not change with the portrait: they are left to paint
  // themselves only when they need to, and the frame's copy keeps off them.
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN | RDW_UPDATENOW);
}

void RepaintRects(HWND window, const RECT *rects, int count) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (!region) return;
  for (int i = 0; i < count; ++i) {
    if (IsRectEmpty(&rects[i])) continue;
    HRGN part = CreateRectRgnIndirect(&rects[i]);
    if (!part) continue;
    CombineRgn(region, region, part, RGN_OR);
    DeleteObject(part);
  }
  RedrawWindow(window, nullptr, region, RDW_INVALIDATE | RDW_NOCHILDREN | RDW_UPDATENOW);
  DeleteObject(region);
}

RECT ChildRect(HWND window, HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT *>(&r), 2);
  return r;
}

HBRUSH DialogBackground(HWND window, HDC dc) {
  return reinterpret_cast<HBRUSH>(
      DefWindowProcW(window, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window)));
}
