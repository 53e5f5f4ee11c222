// The portrait kept in a portrait file (see portrait_file.h): opened from
// the menu, a dropped file or the command line, saved under its name or a
// new one, and named in the editor's title bar.
#pragma once

#include <windows.h>

#include <string>

// The portrait file last opened or saved; empty before there is one.
extern std::wstring portraitFilePath;

// Opens the portrait file at path in editor: all of it, as one change that
// undo takes back, or, when the file is not a whole portrait file, nothing
// at all, with a message saying why. A part whose file is missing from kao
// comes in switched off, and the missing files are listed in one message.
// Returns 1 when the portrait was opened.
int OpenPortraitFile(HWND editor, const std::wstring &path);

// Writes the portrait as the file path (through a temporary file: a failure
// leaves any earlier file as it was, and is shown). Returns 1 when written.
int SavePortraitFile(HWND editor, const std::wstring &path);

// The menu's commands: open (asks which file), save (under the file's name,
// or asks for one), save as (asks). Return 1 when done.
int OpenPortraitCommand(HWND editor);
int SavePortraitCommand(HWND editor, bool askName);

// The file named as the program's first argument, opened after the editor
// window (relative to the start directory); none, as the program has always
// started, without an argument.
void OpenStartFile(HWND editor, const wchar_t *commandLine);

// A file dropped on the editor: the first of them is opened.
void OpenDroppedFile(HWND editor, HDROP drop);

// The title bar: the portrait file's name before the program's caption,
// once there is a file.
void ShowEditorTitle(HWND editor);

// The program's caption, as the editor's template gives it.
std::wstring ProgramCaption(HWND editor);
