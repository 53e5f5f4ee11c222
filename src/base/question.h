// A question with answers of its own, in the platform's task dialog: the
// program asks before it throws work away and offers back what a crash
// left. Where the task dialog is missing (common controls before version
// 6), a message box with Yes / No (/ Cancel) asks the same.
#pragma once

#include <windows.h>

#include <string>

struct Question {
  HWND owner;
  std::wstring caption;
  std::wstring instruction;  // the question itself, in large type
  std::wstring detail;       // what follows from the answers
  const char *yes;           // program texts of the two answers (code page 932)
  const char *no;
  bool cancel;               // a Cancel button beside them
};

// Asks; returns IDYES, IDNO or IDCANCEL (also when the dialog is closed
// with the close box or Escape, or cannot be shown at all).
int AskQuestion(const Question &question);
