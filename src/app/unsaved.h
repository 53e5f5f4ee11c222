// Work is never thrown away without a word: before the editor closes, a new
// portrait starts or another file is opened (from the menu, a drop or the
// recent files), a portrait with changes not saved is offered to be saved
// first. These commands sit above the portrait file's, the drag's and the
// edit commands.
#pragma once

#include <windows.h>

#include <string>

// The answer to "save the changes to name?": IDYES saves, IDNO goes on
// without saving, IDCANCEL stays. In the program the platform's task
// dialog; tests and the soak put stand-ins here.
typedef int (*SaveChangesAsker)(HWND editor, const std::wstring &name);
extern SaveChangesAsker askSaveChanges;

// Returns 1 when work may be thrown away: the portrait has no changes, the
// user chose not to save them, or saved them; 0 when the user cancelled or
// the save did not happen (a cancelled or failed Save-As).
int ConfirmDiscardChanges(HWND editor);

// 閉じる, the close box and Alt+F4: ends the editor once work may be thrown
// away.
void CloseEditor(HWND editor);

// 新規作成: once work may be thrown away, the empty portrait of the start,
// as a fresh editor shows it, with nothing to undo and no file.
void NewPortrait(HWND editor);

// The menu's open, a dropped file (the first of a drop, which is released)
// and a recent file: each once work may be thrown away. The first returns
// 1 when a file was opened.
int OpenPortraitAsking(HWND editor);
void OpenDroppedFile(HWND editor, HDROP drop);
int OpenRecentFile(HWND editor, int index);

// The file named as the program's first argument, opened after the editor
// window (relative to the start directory) once work may be thrown away (a
// portrait just restored after a crash); none, as the program has always
// started, without an argument.
void OpenStartFile(HWND editor, const wchar_t *commandLine);

// The end of the Windows session asks first (WM_QUERYENDSESSION): returns
// TRUE when the session may end.
BOOL MayEndSession(HWND editor);
