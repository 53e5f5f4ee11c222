#include "paint_failure.h"

namespace {

bool shownInPaint = false;
int paintDepth = 0;
int boxesOpen = 0;

}  // namespace

void ShowPaintFailure(HWND owner, const Failure &failure) {
  if (!failure.text || shownInPaint) return;
  shownInPaint = true;
  ++boxesOpen;
  ShowFailure(owner, failure);
  --boxesOpen;
}

void BeginPaintFailures() {
  if (paintDepth++ == 0 && boxesOpen == 0) shownInPaint = false;
}

void EndPaintFailures() {
  if (paintDepth > 0) --paintDepth;
  if (paintDepth == 0 && boxesOpen == 0) shownInPaint = false;
}
