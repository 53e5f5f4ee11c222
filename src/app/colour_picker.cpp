#include "colour_picker.h"

#include "edit_commands.h"
#include "editor_window.h"
#include "history.h"
#include "hit_test.h"
#include "paint_failure.h"
#include "photo_view.h"
#include "zoom_view.h"

namespace {

bool waiting;

}  // namespace

void ToggleColourPicker() { waiting = !waiting; }

void StopColourPicker() { waiting = false; }

bool ColourPickerWaiting() { return waiting; }

bool PickColourAt(HWND window, int x, int y) {
  waiting = false;
  POINT pixel;
  if (!CanvasPixelShownAt(x, y, &pixel)) return false;
  COLORREF colour, shown;
  Failure failure = {};
  // The photo's own colour where it shows through no part; else the
  // portrait's.
  bool photo = PhotoPixelAt(pixel, &shown, &colour) && PartUnderPoint(pixel.x, pixel.y, &failure).slot < 0;
  if (!photo && !CanvasColourAt(window, pixel, &colour, &failure)) {
    ShowPaintFailure(window, failure);
    return true;
  }
  PortraitState before = CurrentPortrait();
  ApplyPickedColour(colour);
  RecordChange(before);
  RepaintEditor(window);
  return true;
}

bool SetPickerCursor(int x, int y) {
  POINT pixel;
  if (!waiting || !CanvasPixelShownAt(x, y, &pixel)) return false;
  SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_CROSS)));
  return true;
}
