#include "frame.h"

#include "memory_dc.h"

int OpenFrame(HDC like, int width, int height, Frame *frame, Failure *failure) {
  *frame = Frame{};
  frame->bitmap = CreateDib24(width, height, &frame->pixels, failure);
  if (!frame->bitmap) return 0;
  frame->dc = CreateMemoryDC(like, failure);
  if (!frame->dc) {
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
