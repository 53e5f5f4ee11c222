#include "preview.h"

#include "bmp_export.h"
#include "capture.h"
#include "catalogue.h"
#include "help.h"
#include "paint_failure.h"
#include "portrait.h"
#include "resource.h"
#include "texts.h"

int openPreviews = 0;

HWND OpenCapturePreview(HWND editor) {
  Failure failure = {};
  if (!CaptureCanvas(editor, canvasX, canvasY, CANVAS_WIDTH, CANVAS_HEIGHT, &failure)) {
    ShowFailure(editor, failure);
    return nullptr;
  }
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(editor, GWLP_HINSTANCE));
  HWND preview = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_PREVIEW), editor,
                                    PreviewDialogProc, 0);
  if (!preview) {
    ShowFailure(editor, TEXT_NO_EDITOR_WINDOW, CAPTION_CREATE_DIALOG);
    return nullptr;
  }
  ShowWindow(preview, SW_SHOWNORMAL);
  return preview;
}

namespace {

void OnPaint(HWND window) {
  BeginPaintFailures();
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  ShowPaintFailure(window, PaintCapture(dc));
  EndPaint(window, &paint);
  EndPaintFailures();
}

// An ended preview is destroyed, not only hidden, so that saving many times
// leaves no windows behind.
void OnCommand(HWND window, unsigned id) {
  switch (id) {
    case IDC_PREVIEW_SAVE:
      // The file takes the pixels as this window shows them.
      SaveWindowAsBmp(window, 0, 0, CapturedImage.width, CapturedImage.height);
      DestroyWindow(window);
      break;
    case IDC_PREVIEW_CANCEL:
      DestroyWindow(window);
      break;
    case IDC_PREVIEW_HELP:
      OpenHelpPage(window, BasePath(HELP_PAGE_PREVIEW).c_str());
      break;
  }
}

void OnDestroy() {
  openPreviews -= 1;
  // Every preview paints the one capture: it may go only with the last.
  if (openPreviews == 0) ReleaseCapturedImage();
}

}  // namespace

INT_PTR CALLBACK PreviewDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      openPreviews += 1;
      return TRUE;
    case WM_PAINT:
      OnPaint(window);
      return 0;
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_COMMAND:
      OnCommand(window, LOWORD(wParam));
      return 0;
  }
  return 0;
}
