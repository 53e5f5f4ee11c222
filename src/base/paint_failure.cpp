#include "paint_failure.h"

#include "failure.h"

static bool shownInPaint = false;
static int paintDepth = 0;
static int boxesOpen = 0;

void ShowPaintFailure(HWND owner, const char *text, const char *caption) {
  if (shownInPaint) return;
  shownInPaint = true;
  ++boxesOpen;
  ShowFailure(owner, text, caption);
  --boxesOpen;
}

void BeginPaintFailures() {
  if (paintDepth++ == 0 && boxesOpen == 0) shownInPaint = false;
}

void EndPaintFailures() {
  if (paintDepth > 0) --paintDepth;
  if (paintDepth == 0 && boxesOpen == 0) shownInPaint = false;
}
