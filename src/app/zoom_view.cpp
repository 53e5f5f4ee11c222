#include "zoom_view.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "capture.h"
#include "editor_window.h"
#include "compositor.h"
#include "frame.h"
#include "memory_dc.h"
#include "palette.h"
#include "parallelogram.h"
#include "portrait.h"
#include "resource.h"
#include "settings.h"
#include "texts.h"


namespace {

// The editor at 1x, as its template and the palette's fit made it at the
// dialog's dpi.
struct BaseLayout {
  HWND window;
  int dpi;
  SIZE client;
  SIZE outer;
  RECT frame;
  std::vector<std::pair<HWND, RECT>> controls;
};
BaseLayout base;
int shownZoom = 1;  // the zoom the window is laid out at
HFONT boldFont;
int boldButton;     // the button shown bold, 0 for none
int zoomWheelRest;  // a partial notch of Ctrl+wheel carried to the next turn
const ShownPhoto *canvasPhoto;  // the photo shown under the parts, if any

const int POINTS_PER_INCH = 72;

int FrameEdge() { return GetSystemMetrics(SM_CXEDGE); }

ZoomLayout LayoutAt(int zoom) { return LayOutZoom(zoom, base.dpi, base.frame, base.client, FrameEdge()); }

// The dots per inch the dialog was laid out at: those its font was made at
// (the dialog's units follow the font).
int DialogDpi(HWND window) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  LOGFONTW look;
  if (!font || !GetObjectW(font, sizeof look, &look) || look.lfHeight >= 0) return BASE_DPI;
  return UsableDpi(MulDiv(-look.lfHeight, POINTS_PER_INCH, EDITOR_FONT_POINTS));
}

RECT WorkArea(HWND window) {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info)) {
    RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return screen;
  }
  return info.rcWork;
}

bool Fits(int zoom) { return base.window && ZoomFits(zoom, base.dpi, base.outer, WorkArea(base.window)); }

// The cells are placed in pixels and the window in dialog units: with a
// small dialog font the last cell would be cut off. Then the palette frame
// and the window are made wide (and tall) enough to hold every cell.
void FitPaletteToCells(HWND window, int dpi) {
  HWND palette = GetDlgItem(window, IDC_PALETTE_FRAME);
  RECT frame = ChildRect(window, palette), client, outer;
  GetClientRect(window, &client);
  PaletteFit fit = FitPalette(frame, {client.right, client.bottom}, dpi);
  if (EqualRect(&fit.frame, &frame)) return;
  SetWindowPos(palette, nullptr, fit.frame.left, fit.frame.top, fit.frame.right - fit.frame.left,
               fit.frame.bottom - fit.frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
  GetWindowRect(window, &outer);
  SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + fit.client.cx - client.right,
               outer.bottom - outer.top + fit.client.cy - client.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Moves every control and sizes the window for zoom; the window stays where
// it is unless that would take it past its work area.
void LayOut(HWND window, int zoom) {
  ZoomLayout layout = LayoutAt(zoom);
  for (const auto &control : base.controls) {
    RECT r = control.second;
    if (GetDlgCtrlID(control.first) == IDC_CANVAS_FRAME)
      r = layout.frame;
    else
      OffsetRect(&r, layout.shift.cx, layout.shift.cy);
    SetWindowPos(control.first, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT outer;
  GetWindowRect(window, &outer);
  outer.right = outer.left + base.outer.cx + layout.shift.cx;
  outer.bottom = outer.top + base.outer.cy + layout.shift.cy;
  RECT kept = KeptOnWorkArea(outer, WorkArea(window));
  SetWindowPos(window, nullptr, kept.left, kept.top, kept.right - kept.left, kept.bottom - kept.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  shownZoom = zoom;
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// The window laid out at zoom, the zoom kept with the settings; nothing
// when it is the zoom on show.
void ShowZoom(HWND window, int zoom) {
  if (zoom == shownZoom) return;
  LayOut(window, zoom);
  editorZoom = zoom;
  WriteSettings();
}

// The 1x picture of a rectangle of canvas pixels: the dialog's background,
// the canvas and the portrait, as the window shows them at 1x, composed in
// a frame reaching from the client's corner to the rectangle's far edges.
// With photo, the reference photo under the parts.
bool ComposeAtOne(HWND window, HDC like, const RECT &area, const ShownPhoto *photo, Frame *frame, Failure *failure) {
  if (!OpenFrame(like, area.right, area.bottom, frame, failure)) return false;
  IntersectClipRect(frame->dc, area.left, area.top, area.right, area.bottom);
  FillRect(frame->dc, &area, DialogBackground(window, frame->dc));
  Failure composed = ComposePortrait(window, frame->dc, RGB(255, 255, 255), &frame->pixels, photo);
  NoteFailure(failure, composed.text, composed.caption);
  GdiFlush();
  return true;
}

// 保存's capture above 1x or with the reference photo on show: the same
// pixels the 1x window shows there without the photo, from a frame composed
// off the screen (the screen shows them enlarged, or over the photo).
HBITMAP CopyCanvasPixels(HWND window, int x, int y, int width, int height, Failure *failure) {
  if ((CanvasInPlace(CurrentZoomView()) && !canvasPhoto) || x < 0 || y < 0 || width <= 0 || height <= 0)
    return CopyWindowPixels(window, x, y, width, height, failure);
  HDC windowDC = GetDC(window);
  if (!windowDC) return CopyWindowPixels(window, x, y, width, height, failure);
  HBITMAP bitmap = nullptr;
  Frame frame;
  // A part that cannot be drawn was shown by the paint; only a frame that
  // cannot be made fails the capture.
  Failure made = {};
  if (ComposeAtOne(window, windowDC, {x, y, x + width, y + height}, nullptr, &frame, &made)) {
    bitmap = CreateCompatibleBitmap(windowDC, width, height);
    if (!bitmap) NoteFailure(failure, TEXT_FAILED, CAPTION_CREATE_BITMAP);
    HDC memoryDC = bitmap ? CreateMemoryDC(windowDC, failure) : nullptr;
    if (memoryDC) {
      HGDIOBJ previous = SelectObject(memoryDC, bitmap);
      BitBlt(memoryDC, 0, 0, width, height, frame.dc, x, y, SRCCOPY);
      SelectObject(memoryDC, previous);
      DeleteMemoryDC(memoryDC);
    } else if (bitmap) {
      DeleteObject(bitmap);
      bitmap = nullptr;
    }
    CloseFrame(&frame);
  } else {
    NoteFailure(failure, made.text, made.caption);
  }
  ReleaseDC(window, windowDC);
  return bitmap;
}

// A pixel of the grid's faint line: its colour a sixth of the way to grey.
void Faint(unsigned char *pixel) {
  for (int c = 0; c < 3; ++c) pixel[c] = static_cast<unsigned char>(pixel[c] + (128 - pixel[c]) / 6);
}

// Enlarges the frame's pixels of area (canvas pixels) zoom times into to,
// whose top-left is area's top-left block; from GRID_ZOOM_MIN up with the
// grid, a faint line along the top and left of every block of the canvas.
// Each row of blocks is made once and copied down.
void Enlarge(const Pixels24 &from, const RECT &area, int zoom, bool grid, Pixels24 &to) {
  RECT canvas = CanvasBounds();
  for (int y = 0; y < to.height; y += zoom) {
    int sy = area.top + y / zoom;
    bool lined = grid && sy >= canvas.top && sy < canvas.bottom;
    const unsigned char *row = PixelAddress(from, 0, sy);
    unsigned char *first = PixelAddress(to, 0, y), *out = first;
    for (int sx = area.left; sx < area.right; ++sx) {
      const unsigned char *p = row + 3 * sx;
      for (int i = 0; i < zoom; ++i, out += 3) std::memcpy(out, p, 3);
      if (lined && sx >= canvas.left && sx < canvas.right) Faint(out - 3 * zoom);
    }
    for (int i = 1; i < zoom && y + i < to.height; ++i) std::memcpy(PixelAddress(to, 0, y + i), first, 3 * to.width);
    if (!lined) continue;
    for (int sx = std::max(area.left, canvas.left); sx < std::min(area.right, canvas.right); ++sx)
      for (int i = 1; i < zoom; ++i) Faint(first + 3 * ((sx - area.left) * zoom + i));
  }
}

// Gives the bold button the dialog's own font back, then deletes the bold
// font, which no button holds any more.
void ReleaseBoldFont() {
  if (boldButton && IsWindow(base.window))
    SendDlgItemMessageW(base.window, boldButton, WM_SETFONT, SendMessageW(base.window, WM_GETFONT, 0, 0), FALSE);
  boldButton = 0;
  if (boldFont) DeleteObject(boldFont);
  boldFont = nullptr;
}

// The part the buttons edit now, or null: the front or back hair as the
// radio says, the piece being edited for the other pieces.
const PartSlot *EditedPart(HWND window) {
  if (currentCategory <= CAT_BACK_HAIR || currentCategory > CAT_GLASSES) return nullptr;
  if (currentCategory == CAT_OTHER) return &PieceTable[currentPiece];
  if (currentCategory == CAT_HAIR && IsDlgButtonChecked(window, IDC_BACK_HAIR) == BST_CHECKED)
    return &LayerTable[CAT_BACK_HAIR];
  return &LayerTable[currentCategory];
}

// The platform's dotted focus outline just outside each copy of the part
// being edited.
void DrawEditedOutline(HWND window, HDC dc, const ZoomView &zoom) {
  const PartSlot *part = EditedPart(window);
  if (!part) return;
  for (bool mirrored : {false, true}) {
    POINT corners[3];
    if (!PartCopyCorners(*part, mirrored, corners)) continue;
    RECT r = CanvasRectToWindow(zoom, ParallelogramBounds(corners));
    if (IsRectEmpty(&r)) continue;
    InflateRect(&r, 1, 1);
    DrawFocusRect(dc, &r);
  }
}

}  // namespace

void StartZoom(HWND window) {
  base = BaseLayout{window, DialogDpi(window), {0, 0}, {0, 0}, {0, 0, 0, 0}, {}};
  FitPaletteToCells(window, base.dpi);
  RECT client, outer;
  GetClientRect(window, &client);
  GetWindowRect(window, &outer);
  base.client = {client.right, client.bottom};
  base.outer = {outer.right - outer.left, outer.bottom - outer.top};
  base.frame = ChildRect(window, GetDlgItem(window, IDC_CANVAS_FRAME));
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    base.controls.push_back({child, ChildRect(window, child)});
  shownZoom = 1;
  boldButton = 0;
  LOGFONTW font;
  HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  if (!boldFont && dialogFont && GetObjectW(dialogFont, sizeof font, &font)) {
    font.lfWeight = FW_BOLD;
    boldFont = CreateFontIndirectW(&font);
  }
  copyCanvasPixels = CopyCanvasPixels;
  editorZoom = ClampZoom(editorZoom);
  int zoom = editorZoom;
  while (zoom > 1 && !Fits(zoom)) --zoom;
  if (!CanvasInPlace(LayoutAt(zoom).canvas)) LayOut(window, zoom);
}

void BeginScaleChange(HWND window) {
  if (!base.window) return;
  if (shownZoom != 1 || !CanvasInPlace(CurrentZoomView())) LayOut(window, 1);
  ReleaseBoldFont();
  PostMessageW(window, WM_SCALE_CHANGED, 0, 0);
}

void EndScaleChange(HWND window) {
  if (!base.window) return;
  // The dialog may have scaled the window's size as it stood or as its
  // template gives it: the 1x client area of the old scale, scaled, is the
  // one to lay out from.
  int dpi = DialogDpi(window);
  RECT client, outer;
  GetClientRect(window, &client);
  GetWindowRect(window, &outer);
  SIZE wanted = {MulDiv(base.client.cx, dpi, base.dpi), MulDiv(base.client.cy, dpi, base.dpi)};
  SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + wanted.cx - client.right,
               outer.bottom - outer.top + wanted.cy - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  StartZoom(window);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void KeepOnWorkArea(HWND window) {
  RECT outer;
  if (!GetWindowRect(window, &outer)) return;
  RECT kept = KeptOnWorkArea(outer, WorkArea(window));
  if (!EqualRect(&kept, &outer))
    SetWindowPos(window, nullptr, kept.left, kept.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void EndZoom() {
  copyCanvasPixels = CopyWindowPixels;
  ReleaseBoldFont();
  base = BaseLayout{};
  shownZoom = 1;
}

int EditorDpi() { return base.window ? base.dpi : BASE_DPI; }

ZoomView CurrentZoomView() { return LayoutAt(shownZoom).canvas; }

POINT CanvasPixelAt(int x, int y) { return WindowToCanvas(CurrentZoomView(), {x, y}); }

bool ShowsCanvas(int x, int y) {
  ZoomView zoom = CurrentZoomView();
  return CanvasInPlace(zoom) || InZoomView(zoom, {x, y});
}

bool CanvasPixelShownAt(int x, int y, POINT *pixel) {
  if (!ShowsCanvas(x, y)) return false;
  *pixel = CanvasPixelAt(x, y);
  RECT canvas = CanvasBounds();
  return PtInRect(&canvas, *pixel) != FALSE;
}

bool CanvasColourAt(HWND window, POINT canvasPixel, COLORREF *colour, Failure *failure) {
  RECT canvas = CanvasBounds();
  if (canvasPixel.x < 0 || canvasPixel.y < 0 || !PtInRect(&canvas, canvasPixel)) return false;
  HDC windowDC = GetDC(window);
  if (!windowDC) {
    NoteFailure(failure, TEXT_FAILED, CAPTION_GET_DC);
    return false;
  }
  Frame frame;
  // A part that cannot be drawn was shown by the paint; only a frame that
  // cannot be made fails the pick.
  Failure composed = {};
  bool made = ComposeAtOne(window, windowDC, {canvasPixel.x, canvasPixel.y, canvasPixel.x + 1, canvasPixel.y + 1},
                           nullptr, &frame, &composed);
  if (made) {
    const unsigned char *p = PixelAddress(frame.pixels, canvasPixel.x, canvasPixel.y);
    *colour = RGB(p[2], p[1], p[0]);
    CloseFrame(&frame);
  } else {
    NoteFailure(failure, composed.text, composed.caption);
  }
  ReleaseDC(window, windowDC);
  return made;
}

RECT ShownRectOfCanvas(const RECT &canvas) {
  ZoomView zoom = CurrentZoomView();
  RECT shown = CanvasRectToWindow(zoom, canvas);
  if (zoom.zoom >= OUTLINE_ZOOM_MIN && !IsRectEmpty(&shown)) InflateRect(&shown, 2, 2);
  return shown;
}

bool HandleViewCommand(HWND window, unsigned id) {
  int zoom;
  if (id >= IDC_ZOOM_FIRST && id <= IDC_ZOOM_LAST)
    zoom = ZOOM_MIN + static_cast<int>(id - IDC_ZOOM_FIRST);
  else if (id == IDC_ZOOM_IN)
    zoom = shownZoom + 1;
  else if (id == IDC_ZOOM_OUT)
    zoom = shownZoom - 1;
  else if (id == IDC_ZOOM_ONE)
    zoom = 1;
  else if (id == IDC_GRID) {
    editorGrid = !editorGrid;
    if (CurrentZoomView().zoom >= GRID_ZOOM_MIN) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    WriteSettings();
    return true;
  } else {
    return false;
  }
  if (zoom >= ZOOM_MIN && zoom <= ZOOM_MAX && Fits(zoom)) ShowZoom(window, zoom);
  return true;
}

void ShowViewMenu(HMENU menu) {
  auto enable = [menu](unsigned id, bool on) {
    EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
  };
  for (int zoom = ZOOM_MIN; zoom <= ZOOM_MAX; ++zoom) enable(IDC_ZOOM_FIRST + zoom - ZOOM_MIN, Fits(zoom));
  CheckMenuRadioItem(menu, IDC_ZOOM_FIRST, IDC_ZOOM_LAST, IDC_ZOOM_FIRST + shownZoom - ZOOM_MIN, MF_BYCOMMAND);
  enable(IDC_ZOOM_IN, shownZoom < ZOOM_MAX && Fits(shownZoom + 1));
  enable(IDC_ZOOM_OUT, shownZoom > ZOOM_MIN);
  enable(IDC_ZOOM_ONE, shownZoom > ZOOM_MIN);
  CheckMenuItem(menu, IDC_GRID, MF_BYCOMMAND | (editorGrid ? MF_CHECKED : MF_UNCHECKED));
}

void ZoomByWheel(HWND window, int delta) {
  zoomWheelRest = BoundedWheelTurn(zoomWheelRest, delta);
  int notches = zoomWheelRest / WHEEL_DELTA;
  zoomWheelRest -= notches * WHEEL_DELTA;
  // The whole turn laid out once: as far as it goes that the monitor holds.
  int zoom = ClampZoom(shownZoom + notches);
  while (zoom > shownZoom && !Fits(zoom)) --zoom;
  ShowZoom(window, zoom);
}

Failure DrawPaletteInView(HWND window, HDC dc) {
  ZoomLayout layout = LayoutAt(shownZoom);
  // Thumbnails spill over their cells, but not out of the palette's frame.
  RECT frame = ChildRect(window, GetDlgItem(window, IDC_PALETTE_FRAME));
  InflateRect(&frame, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
  OffsetRect(&frame, -layout.shift.cx, -layout.shift.cy);
  POINT old;
  SetViewportOrgEx(dc, layout.shift.cx, layout.shift.cy, &old);
  Failure failure = DrawPartPalette(window, dc, &frame, base.dpi);
  SetViewportOrgEx(dc, old.x, old.y, nullptr);
  return failure;
}

int PaletteIndexInView(int x, int y) {
  ZoomLayout layout = LayoutAt(shownZoom);
  return PaletteIndexAt(x - layout.shift.cx, y - layout.shift.cy, base.dpi);
}

Failure ComposeCanvasView(HWND window, HDC dc, const Pixels24 *framePixels) {
  ZoomView zoom = CurrentZoomView();
  if (CanvasInPlace(zoom)) return ComposePortrait(window, dc, RGB(255, 255, 255), framePixels, canvasPhoto);
  Failure failure = {};
  RECT clip, shown;
  if (GetClipBox(dc, &clip) == ERROR || !IntersectRect(&shown, &clip, &zoom.view)) return failure;
  // Canvas pixels left of or above the client's corner at 1x have no
  // picture: the view shows the dialog's background there.
  RECT area = WindowRectToCanvas(zoom, shown), onClient = {0, 0, LONG_MAX, LONG_MAX};
  if (!IntersectRect(&area, &area, &onClient)) return failure;
  RECT target = CanvasRectToWindow(zoom, area);
  Frame one, enlarged;
  if (!ComposeAtOne(window, dc, area, canvasPhoto, &one, &failure)) return failure;
  if (OpenFrame(dc, target.right - target.left, target.bottom - target.top, &enlarged, &failure)) {
    Enlarge(one.pixels, area, zoom.zoom, editorGrid && zoom.zoom >= GRID_ZOOM_MIN, enlarged.pixels);
    int saved = SaveDC(dc);
    IntersectClipRect(dc, zoom.view.left, zoom.view.top, zoom.view.right, zoom.view.bottom);
    BitBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, enlarged.dc, 0, 0,
           SRCCOPY);
    if (zoom.zoom >= OUTLINE_ZOOM_MIN) DrawEditedOutline(window, dc, zoom);
    RestoreDC(dc, saved);
    CloseFrame(&enlarged);
  }
  CloseFrame(&one);
  return failure;
}

void ShowPhotoOnCanvas(const ShownPhoto *photo) { canvasPhoto = photo; }

void ShowCurrentCategory(HWND window) {
  int id = currentCategory > CAT_BACK_HAIR && currentCategory <= CAT_GLASSES ? IDC_CATEGORY_BASE + currentCategory : 0;
  if (id == boldButton || !boldFont) return;
  LPARAM redraw = TRUE;
  if (boldButton)
    SendDlgItemMessageW(window, boldButton, WM_SETFONT, SendMessageW(window, WM_GETFONT, 0, 0), redraw);
  if (id) SendDlgItemMessageW(window, id, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont), redraw);
  boldButton = id;
}
