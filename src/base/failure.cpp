#include "failure.h"

#include "text.h"

namespace {

void ShowMessageBox(HWND owner, const char *text, const char *caption) {
  MessageBoxW(owner, ProgramText(text).c_str(), ProgramText(caption).c_str(), MB_OK);
}

}  // namespace

FailureReporter failureReporter = ShowMessageBox;

void NoteFailure(Failure *first, const char *text, const char *caption) {
  if (first && !first->text) *first = Failure{text, caption};
}

void ShowFailure(HWND owner, const char *text, const char *caption) {
  static bool showing = false;
  if (showing) return;
  showing = true;
  failureReporter(owner, text, caption);
  showing = false;
}

void ShowFailure(HWND owner, const Failure &failure) {
  if (failure.text) ShowFailure(owner, failure.text, failure.caption);
}
