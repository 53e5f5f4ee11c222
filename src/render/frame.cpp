#include "frame.h"

#include "memory_dc.h"
#include "paint_failure.h"
#include "texts.h"

int OpenFrame(HWND window, HDC like, int width, int height, Frame *frame) {
  *frame = Frame{};
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
  return 1;
}

void CloseFrame(Frame *frame) {
  if (frame->dc) {
    SelectObject(frame->dc, frame->previous);
    DeleteMemoryDC(frame->dc);
  }
  if (frame->bitmap) DeleteObject(frame->bitmap);
  *frame = Frame{};
}
