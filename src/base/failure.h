// Failure messages: a message box with an OK button, owned by the window
// concerned, after which the operation goes on.
#pragma once

#include <windows.h>

// Shows text with caption in a message box owned by owner. While one such
// box is open no second one is shown: a message box runs its own message
// loop, in which a repaint could fail again and raise the next one.
void ShowFailure(HWND owner, const char *text, const char *caption);

// Where ShowFailure sends its messages: in the program a message box that
// shows the texts (code page 932 bytes) as Unicode. Tests put a recorder
// here so that no box waits for a person.
typedef void (*FailureReporter)(HWND owner, const char *text, const char *caption);
extern FailureReporter failureReporter;
