// The reference photo under the canvas, on the editor window: the 表示
// menu's photo commands, the photo moved by a drag with Alt and scaled by
// Alt with the wheel, and the colour it shows at a canvas pixel. The photo
// is screen state, not the portrait: no undo step, no unsaved change, and
// never in 保存's capture, the export or the clipboard. The rules of its
// placement are in photo.h.
#pragma once

#include <windows.h>

#include <string>

#include "photo.h"

// What there is to keep of the photo (a portrait file can keep it): the
// file it was read from (empty: no photo), where it lies, its strength in
// percent (one of PHOTO_STRENGTHS; any other, as at start, takes the one
// kept with the settings) and whether it shows (表示 > 参考写真を隠す takes
// the check away).
struct ReferencePhotoRecord {
  std::wstring path;
  PhotoPlacement placement;
  int strength;
  bool shown;
};
extern ReferencePhotoRecord referencePhoto;

// Reads the picture at path, once, and makes it the photo, shown, lying at
// its fit; the photo before goes. A file that cannot be read as a picture,
// or is too large, changes nothing and says so in one message box. Returns
// whether the photo was opened.
int OpenReferencePhoto(HWND window, const std::wstring &path);

// Takes the photo away.
void CloseReferencePhoto(HWND window);

// Shows referencePhoto as it stands now, after its record was changed
// from outside (a portrait file's photo lines): placement, strength and
// shown taken within their bounds, the canvas repainted.
void ShowReferencePhoto(HWND window);

// The 表示 menu's photo commands (参考写真を開く, 参考写真を隠す, 参考写真を
// 閉じる, the strengths): true when id is one of them, carried out.
bool HandlePhotoCommand(HWND window, unsigned id);

// The photo commands' checks and greyed items.
void ShowPhotoMenu(HMENU menu);

// Whether the photo shows at canvasPixel (a canvas pixel as CanvasPixelAt
// gives it): on show, on the canvas and reaching that pixel, whatever parts
// are drawn over it. *colour is the colour shown there, blended over white
// at the strength; *own, if asked for, the photo's own colour.
bool PhotoPixelAt(POINT canvasPixel, COLORREF *colour, COLORREF *own = nullptr);

// A press at client point (x, y) with Alt held: on the canvas with the photo
// on show, the photo is dragged (in canvas pixels at every zoom) until the
// button goes up. False, doing nothing, elsewhere.
bool BeginPhotoDrag(HWND window, int x, int y);
void DragPhotoTo(HWND window, int x, int y);
// Ends a photo drag; true when it was a click that moved nothing, with the
// client point it was pressed at in *clickedAt.
bool FinishPhotoDrag(POINT *clickedAt = nullptr);

// A turn of the wheel with Alt held over the canvas, the photo on show: one
// scale step a notch, about the photo's centre. False, doing nothing,
// without a photo on show.
bool ScalePhotoByWheel(HWND window, int delta);

// Whether the Alt key going up now ends a gesture with the photo (then the
// menu bar must not take it); asked once per release.
bool TakePhotoAltRelease();
