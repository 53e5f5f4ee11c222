#include "frame.h"

#include "memory_dc.h"
#include "paint_failure.h"
#include "texts.h"

// The frames open now: one per paint, and one more for each paint that an
// open message box's own loop runs meanwhile.
static const int MAX_OPEN_FRAMES = 8;
static Frame openFrames[MAX_OPEN_FRAMES];
static int openFrameCount = 0;

int OpenFrame(HWND window, HDC like, int width, int height, Frame *frame) {
  *frame = Frame{};
  if (openFrameCount == MAX_OPEN_FRAMES) return 0;
  frame->bitmap = CreateDib24(window, width, height, &frame->pixels);
  if (!frame->bitmap) return 0;
  frame->dc = CreateCompatibleDC(like);
  if (!frame->dc) {
    ShowPaintFailure(window, TEXT_FAILED, CAPTION_CREATE_DC);
    DeleteObject(frame->bitmap);
    *frame = Frame{};
    return 0;
  }
  frame->previous = SelectObject(frame->dc, frame->bitmap);
  openFrames[openFrameCount++] = *frame;
  return 1;
}

void CloseFrame(Frame *frame) {
  for (int i = 0; i < openFrameCount; ++i)
    if (openFrames[i].dc == frame->dc) openFrames[i] = openFrames[--openFrameCount];
  if (frame->dc) {
    SelectObject(frame->dc, frame->previous);
    DeleteMemoryDC(frame->dc);
  }
  if (frame->bitmap) DeleteObject(frame->bitmap);
  *frame = Frame{};
}

bool FramePixels(HDC dc, Pixels24 *pixels) {
  for (int i = 0; i < openFrameCount; ++i)
    if (openFrames[i].dc == dc) {
      *pixels = openFrames[i].pixels;
      return true;
    }
  return false;
}
