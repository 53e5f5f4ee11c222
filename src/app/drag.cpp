#include "drag.h"

#include "edit_commands.h"
#include "compositor.h"
#include "editor_window.h"
#include "edit_rules.h"
#include "history.h"
#include "hit_test.h"
#include "paint_failure.h"
#include "resource.h"
#include "zoom_view.h"

namespace {

// The drag going on, if any.
struct Drag {
  bool active;
  HWND window;             // the editor the part is dragged on
  PartHit hit;
  bool backHair;           // the back hair is moved itself, without the piece copy
  POINT pointer;           // where the button went down
  POINT start;             // the part's position then
  RECT shown;              // where the part is drawn now
  PortraitState before;    // the portrait before the drag, for undo and Escape
};
Drag drag;

HCURSOR moveCursor;

// The part drawn at client point (x, y) of window; a failure to read its
// pixels is shown as a paint's is.
PartHit PartShownAt(HWND window, int x, int y) {
  if (!ShowsCanvas(x, y)) return {-1, -1, false};
  Failure failure = {};
  POINT pixel = CanvasPixelAt(x, y);
  PartHit hit = PartUnderPoint(pixel.x, pixel.y, &failure);
  ShowPaintFailure(window, failure);
  return hit;
}

// Makes the hit part current as its category button makes its category
// current, with the hair radio of the half grabbed and the piece grabbed.
void MakeCurrent(HWND window, const PartHit &hit) {
  int category = hit.slot == CAT_BACK_HAIR ? CAT_HAIR : hit.slot;
  ChooseCategory(category);
  ShowCategoryControls(window);
  if (category == CAT_HAIR)
    CheckRadioButton(window, IDC_FRONT_HAIR, IDC_BACK_HAIR,
                     hit.slot == CAT_BACK_HAIR ? IDC_BACK_HAIR : IDC_FRONT_HAIR);
  if (category == CAT_OTHER) currentPiece = hit.piece;
}

const PartSlot &DraggedPart() {
  return drag.backHair ? LayerTable[CAT_BACK_HAIR] : HitPart(drag.hit);
}

// Repaints where the part was and where it is now.
void RepaintMove() {
  RECT rects[2] = {ShownRectOfCanvas(drag.shown), ShownRectOfCanvas(PartBounds(DraggedPart()))};
  drag.shown = PartBounds(DraggedPart());
  RepaintRects(drag.window, rects, 2);
}

// Stops the drag and lets the mouse go; the capture's end comes back as a
// call of FinishDrag, which then finds no drag.
void StopDrag() {
  drag.active = false;
  if (GetCapture() == drag.window) ReleaseCapture();
}

}  // namespace

void LoadDragCursor() {
  // A shared cursor of the system's: loaded once, never released.
  if (!moveCursor) moveCursor = LoadCursor(nullptr, IDC_SIZEALL);
}

bool BeginDrag(HWND window, int x, int y) {
  FinishDrag(window);
  PartHit hit = PartShownAt(window, x, y);
  if (hit.slot < 0) return false;
  MakeCurrent(window, hit);
  RepaintEditor(window);
  drag.window = window;
  drag.hit = hit;
  drag.backHair = hit.slot == CAT_BACK_HAIR;
  drag.pointer = CanvasPixelAt(x, y);
  const PartSlot &part = DraggedPart();
  drag.start = {part.x, part.y};
  drag.shown = PartBounds(part);
  drag.before = CurrentPortrait();
  drag.active = true;
  SetCapture(window);
  SetCursor(moveCursor);
  return true;
}

void DragTo(HWND, int x, int y) {
  if (!drag.active) return;
  POINT pixel = CanvasPixelAt(x, y);
  int dx = pixel.x - drag.pointer.x, dy = pixel.y - drag.pointer.y;
  if (drag.hit.mirrored) dx = -dx;  // the right copy moves the mirrored way
  PartSlot &slot = BeginPartEdit(drag.backHair);
  int oldX = slot.x, oldY = slot.y;
  MovePartFrom(slot, drag.start.x, drag.start.y, dx, dy);
  bool moved = slot.x != oldX || slot.y != oldY;
  EndPartEdit(drag.backHair);
  if (moved) RepaintMove();
}

// The focus moves to the part's category once the mouse is let go: moved
// during the drag, it would bring the platform's own pointer moves along.
void FinishDrag(HWND window) {
  if (!drag.active) return;
  StopDrag();
  RecordChange(drag.before);
  FocusCategoryButton(window);
}

void CancelDrag(HWND window) {
  if (!drag.active) return;
  StopDrag();
  RestorePortrait(drag.before);
  RepaintMove();
  FocusCategoryButton(window);
}

bool SetDragCursor(HWND window, int x, int y) {
  if (!drag.active && PartShownAt(window, x, y).slot < 0) return false;
  SetCursor(moveCursor);
  return true;
}

