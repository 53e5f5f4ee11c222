#include "failure.h"

static void ShowMessageBox(HWND owner, const char *text, const char *caption) {
  MessageBoxA(owner, text, caption, MB_OK);
}

FailureReporter failureReporter = ShowMessageBox;

void ShowFailure(HWND owner, const char *text, const char *caption) {
  static bool showing = false;
  if (showing) return;
  showing = true;
  failureReporter(owner, text, caption);
  showing = false;
}
