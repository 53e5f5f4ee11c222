#include "wheel.h"

#include "compositor.h"
#include "drag.h"
#include "edit_commands.h"
#include "editor_window.h"
#include "photo_view.h"
#include "portrait.h"
#include "resource.h"
#include "zoom_view.h"

namespace {

int wheelRest;  // a partial notch carried to the next turn

// Over the canvas's frame or the canvas itself (a widened base reaches
// beyond the frame).
bool OverCanvas(HWND window, POINT client) {
  RECT frame = ChildRect(window, GetDlgItem(window, IDC_CANVAS_FRAME)), canvas = ShownRectOfCanvas(CanvasBounds());
  return PtInRect(&frame, client) || PtInRect(&canvas, client);
}

}  // namespace

void TurnWheel(HWND window, int delta, unsigned keys, int x, int y) {
  POINT client = {x, y};
  ScreenToClient(window, &client);
  if (!OverCanvas(window, client)) {
    wheelRest = 0;
    if (keys & MK_CONTROL) ZoomByWheel(window, delta);
    return;
  }
  // Alt scales the reference photo, when one shows.
  if (GetKeyState(VK_MENU) < 0 && ScalePhotoByWheel(window, delta)) {
    wheelRest = 0;
    return;
  }
  unsigned up = IDC_PART_LARGER, down = IDC_PART_SMALLER;
  if (keys & MK_CONTROL) {
    up = IDC_ROTATE_RIGHT, down = IDC_ROTATE_LEFT;
  } else if (keys & MK_SHIFT) {
    up = IDC_PART_WIDER, down = IDC_PART_NARROWER;
  }
  FinishDrag(window);
  wheelRest = BoundedWheelTurn(wheelRest, delta);
  for (; wheelRest >= WHEEL_DELTA; wheelRest -= WHEEL_DELTA) RunEditCommand(window, up);
  for (; wheelRest <= -WHEEL_DELTA; wheelRest += WHEEL_DELTA) RunEditCommand(window, down);
}
