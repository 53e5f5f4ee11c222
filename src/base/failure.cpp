#include "failure.h"

#include "text.h"

static void ShowMessageBox(HWND owner, const char *text, const char *caption) {
  MessageBoxW(owner, ProgramText(text).c_str(), ProgramText(caption).c_str(), MB_OK);
}

FailureReporter failureReporter = ShowMessageBox;

void ShowFailure(HWND owner, const char *text, const char *caption) {
  static bool showing = false;
  if (showing) return;
  showing = true;
  failureReporter(owner, text, caption);
  showing = false;
}
