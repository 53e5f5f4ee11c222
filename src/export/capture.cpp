#include "capture.h"

#include "memory_dc.h"
#include "texts.h"

CapturedImageRecord CapturedImage = {nullptr, 0, 0};
HBITMAP (*copyCanvasPixels)(HWND window, int x, int y, int width, int height, Failure *failure) = CopyWindowPixels;

HBITMAP CopyWindowPixels(HWND window, int x, int y, int width, int height, Failure *failure) {
  if (width <= 0 || height <= 0) {
    NoteFailure(failure, TEXT_FAILED, CAPTION_CREATE_BITMAP);
    return nullptr;
  }
  HDC windowDC = GetDC(window);
  if (!windowDC) {
    NoteFailure(failure, TEXT_FAILED, CAPTION_GET_DC);
    return nullptr;
  }
  const char *failedCall = nullptr;
  HBITMAP bitmap = CreateCompatibleBitmap(windowDC, width, height);
  HDC memoryDC = bitmap ? CreateCompatibleDC(windowDC) : nullptr;
  if (!bitmap) {
    failedCall = CAPTION_CREATE_BITMAP;
  } else if (!memoryDC) {
    failedCall = CAPTION_CREATE_DC;
  } else {
    HGDIOBJ previous = SelectObject(memoryDC, bitmap);
    if (!previous) {
      failedCall = CAPTION_SELECT_OBJECT;
    } else {
      if (!BitBlt(memoryDC, 0, 0, width, height, windowDC, x, y, SRCCOPY)) failedCall = CAPTION_BITBLT;
      SelectObject(memoryDC, previous);
    }
  }
  DeleteMemoryDC(memoryDC);
  ReleaseDC(window, windowDC);
  if (failedCall) {
    // A bitmap that did not receive the pixels would show as the portrait.
    if (bitmap) DeleteObject(bitmap);
    NoteFailure(failure, TEXT_FAILED, failedCall);
    return nullptr;
  }
  return bitmap;
}

int CaptureCanvas(HWND window, int x, int y, int width, int height, Failure *failure) {
  HBITMAP bitmap = copyCanvasPixels(window, x, y, width, height, failure);
  if (!bitmap) return 0;
  ReleaseCapturedImage();
  CapturedImage.bitmap = bitmap;
  CapturedImage.width = width;
  CapturedImage.height = height;
  return 1;
}

Failure PaintCapture(HDC dc) {
  Failure failure = {};
  if (!CapturedImage.bitmap) return failure;
  HDC memoryDC = CreateMemoryDC(nullptr, &failure);
  if (!memoryDC) return failure;
  HGDIOBJ previous = SelectObject(memoryDC, CapturedImage.bitmap);
  if (previous) {
    BitBlt(dc, 0, 0, CapturedImage.width, CapturedImage.height, memoryDC, 0, 0, SRCCOPY);
    SelectObject(memoryDC, previous);
  }
  DeleteMemoryDC(memoryDC);
  return failure;
}

void ReleaseCapturedImage() {
  if (CapturedImage.bitmap) DeleteObject(CapturedImage.bitmap);
  CapturedImage.bitmap = nullptr;
  CapturedImage.width = 0;
  CapturedImage.height = 0;
}
