// The editor's zoom on the window: the View menu's state and commands, the
// layout applied to the controls, the canvas painted at the zoom, and the
// mapping of the window's points to canvas pixels that every action on the
// canvas goes through. The rules themselves are in zoom.h.
#pragma once

#include <windows.h>

#include "dib24.h"
#include "failure.h"
#include "photo.h"
#include "settings.h"
#include "zoom.h"

// The zoom chosen and the grid (shown from GRID_ZOOM_MIN up) are kept with
// the settings (settings.h).

// With the editor's layout from its template in place: fits the palette's
// frame to the cells at the dialog's scale and keeps that layout, makes the
// bold font of the current category's button, lets 保存's capture compose
// its 1x picture off the screen, and lays the window out at editorZoom (or
// the largest zoom below it that fits the monitor).
void StartZoom(HWND window);

// Moves the window as little as it takes to lie within its monitor's work
// area (a zoom kept from the last run or a large display scale can make it
// larger than the place it was put at leaves room for).
void KeepOnWorkArea(HWND window);

// Releases what StartZoom made; the window is going.
void EndZoom();

// The dots per inch the editor is laid out at (display_scale.h).
int EditorDpi();

// The display's scale changes under the window (it was moved onto a monitor
// of another scale; the dialog then scales its own controls and font).
// Before that, BeginScaleChange puts the window back to its 1x layout at the
// old scale with the dialog's font on every button, and posts
// WM_SCALE_CHANGED to the window; on it, EndScaleChange gives the window
// its 1x size at the new scale and lays it out again as StartZoom does.
const UINT WM_SCALE_CHANGED = WM_APP + 1;
void BeginScaleChange(HWND window);
void EndScaleChange(HWND window);

// The zoom on show now and where the canvas shows.
ZoomView CurrentZoomView();

// The canvas pixel under client point (x, y), and whether the point shows
// one (at 1x every point of the client area does).
POINT CanvasPixelAt(int x, int y);
bool ShowsCanvas(int x, int y);

// Whether client point (x, y) shows a pixel of the canvas itself (not the
// window around it), and that canvas pixel.
bool CanvasPixelShownAt(int x, int y, POINT *pixel);

// The colour a picker takes at canvasPixel, a pixel of the canvas (false,
// with nothing written, for one off the canvas or a frame that cannot be
// made, kept in *failure): the portrait's, from a 1x picture composed off
// the screen as the zoom composes it, whatever the zoom (the screen is
// never read).
bool CanvasColourAt(HWND window, POINT canvasPixel, COLORREF *colour, Failure *failure);

// The client pixels that show a rectangle of canvas pixels, with the
// outline's reach around it above 1x: what to repaint when it changes.
RECT ShownRectOfCanvas(const RECT &canvas);

// The View menu's commands (1倍 to 6倍, 拡大表示, 縮小表示, 等倍, グリッド):
// true when id is one of them, carried out.
bool HandleViewCommand(HWND window, unsigned id);

// The View menu's checks, and its zooms greyed where the window would not
// fit its monitor's work area.
void ShowViewMenu(HMENU menu);

// Ctrl with the wheel off the canvas: a notch up zooms in, down out.
void ZoomByWheel(HWND window, int delta);

// The palette drawn where the layout puts it, and the PartList index of the
// cell under client point (x, y) (see PaletteIndexAt).
Failure DrawPaletteInView(HWND window, HDC dc);
int PaletteIndexInView(int x, int y);

// The portrait on the window at the zoom: at 1x ComposePortrait as it
// always was; above, the portrait composed at 1x off the screen and
// enlarged once onto the canvas frame's inside, with the grid and the
// outline of the part being edited. Returns the first failure.
Failure ComposeCanvasView(HWND window, HDC dc, const Pixels24 *framePixels);

// The reference photo the canvas shows under the parts at every zoom, or
// none (null); it lives until the next call. 保存's capture never shows it:
// with a photo on show it is composed off the screen at every zoom.
void ShowPhotoOnCanvas(const ShownPhoto *photo);

// Shows the current category's button in bold type, wherever the category
// came from; the others in the dialog's own.
void ShowCurrentCategory(HWND window);
