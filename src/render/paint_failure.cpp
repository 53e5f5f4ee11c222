#include "render/paint_failure.h"

#include "app/failure.h"

static bool shownInPaint = false;
static int boxesOpen = 0;

void ShowPaintFailure(HWND owner, const char *text, const char *caption) {
  if (shownInPaint) return;
  shownInPaint = true;
  ++boxesOpen;
  ShowFailure(owner, text, caption);
  --boxesOpen;
}

void BeginPaintFailures() {
  if (boxesOpen == 0) shownInPaint = false;
}

void EndPaintFailures() {
  if (boxesOpen == 0) shownInPaint = false;
}
