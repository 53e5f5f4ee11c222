// The portrait kept in a portrait file (see portrait_file.h): opened from
// the menu, a dropped file or the command line, saved under its name or a
// new one, and named in the editor's title bar.
#pragma once

#include <windows.h>

#include <string>

#include "history.h"
#include "portrait_file.h"

// The portrait file last opened or saved; empty before there is one.
extern std::wstring portraitFilePath;

// Opens the portrait file at path in editor: all of it, as one change that
// undo takes back, or, when the file is not a whole portrait file, nothing
// at all, with a message saying why. A part whose file is missing from kao
// comes in switched off, and the missing files are listed in one message.
// Returns 1 when the portrait was opened.
int OpenPortraitFile(HWND editor, const std::wstring &path);

// The whole file at path, or false when it cannot be read or is far too
// large to be a portrait file (why in *problem, a program text).
bool ReadPortraitFileBytes(const std::wstring &path, std::string *bytes, const char **problem);

// The portrait as the text of a portrait file. A back half that the hair
// never had is written without a file.
// A photo kept with it is named relative to savedAs's folder when it lies
// there.
std::string PortraitText(const std::wstring &savedAs = portraitFilePath);

// The portrait that text holds, its part files as the portrait holds them.
// Returns 0 with *why (a program text) and *line (0 when the text as a
// whole is at fault) when it is not a whole portrait file.
// The photo it keeps, if any, in *photo.
int PortraitFromText(const std::string &text, PortraitState *state, const char **why, int *line,
                     PortraitFilePhoto *photo = nullptr);

// Makes state the portrait, as one change that undo takes back, named by
// path in the title; saved, it counts as the portrait last saved (else it
// is a change not saved yet). A part whose file is missing from kao comes
// in switched off, and the missing files are listed in one message.
// A photo it keeps is opened and placed as it was; one gone is left out,
// named in the same message.
void TakePortrait(HWND editor, PortraitState state, const std::wstring &path, bool saved,
                  const PortraitFilePhoto &photo = PortraitFilePhoto{});

// Writes the portrait as the file path (through a temporary file: a failure
// leaves any earlier file as it was, and is shown). Returns 1 when written.
int SavePortraitFile(HWND editor, const std::wstring &path);

// The menu's commands: open (asks which file), save (under the file's name,
// or asks for one), save as (asks). Return 1 when done.
int OpenPortraitCommand(HWND editor);
int SavePortraitCommand(HWND editor, bool askName);


// The first file of a drop on the editor, which is then released; empty
// when it names none.
std::wstring DroppedFilePath(HDROP drop);

// The title bar: the portrait file's name before the program's caption,
// once there is a file, and a * in front while the portrait has changes
// not saved.
void ShowEditorTitle(HWND editor);

// The name the user knows a portrait by: its file's name (path, the
// portrait's own file unless told), or 無題 before there is a file.
std::wstring PortraitName(const std::wstring &path = portraitFilePath);

// The program's caption, as the editor's template gives it.
std::wstring ProgramCaption(HWND editor);
