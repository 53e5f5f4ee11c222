// Failure messages: a message box with an OK button, owned by the window
// concerned, after which the operation goes on. The drawing and file code
// below the windows shows nothing itself: it hands its first failure up,
// and the window code that called it shows it.
#pragma once

#include <windows.h>

// A failure the user must be told of: a program text and its caption (code
// page 932 bytes). A null text is no failure.
struct Failure {
  const char *text;
  const char *caption;
};

// Keeps the first failure of an operation: *first takes text and caption
// unless it holds a failure already. A null first keeps nothing.
void NoteFailure(Failure *first, const char *text, const char *caption);

// Shows text with caption in a message box owned by owner. While one such
// box is open no second one is shown: a message box runs its own message
// loop, in which a repaint could fail again and raise the next one.
void ShowFailure(HWND owner, const char *text, const char *caption);

// The same for a failure handed up; nothing when it holds none.
void ShowFailure(HWND owner, const Failure &failure);

// Where ShowFailure sends its messages: in the program a message box that
// shows the texts (code page 932 bytes) as Unicode. Tests put a recorder
// here so that no box waits for a person.
typedef void (*FailureReporter)(HWND owner, const char *text, const char *caption);
extern FailureReporter failureReporter;
