// The portrait files opened or saved lately, newest first, in the File menu
// (between the picture commands and the association's items) and kept
// between runs in the settings (see settings.h).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "settings.h"

const int RECENT_FILES_MAX = 8;

typedef std::vector<std::wstring> FileList;

// The list shown; the settings file's at start.
extern FileList recentFiles;

// Whether two paths name the same file as Windows compares names: ignoring
// case.
bool SamePath(const std::wstring &a, const std::wstring &b);

// list with path at its front, any other entry for the same file dropped,
// and at most RECENT_FILES_MAX entries (the oldest go).
FileList WithRecentFile(FileList list, const std::wstring &path);

// list without the entries for path's file.
FileList WithoutRecentFile(FileList list, const std::wstring &path);

// The menu text of entry index (from 0): "&1 name", the file's name with
// any & doubled so that only the number is a mnemonic.
std::wstring RecentMenuText(int index, const std::wstring &path);

// Puts recentFiles into editor's File menu, or a greyed line saying there are
// none; a window without that menu is left alone.
void ShowRecentFiles(HWND editor);

// A portrait file opened (FOLDER_OPEN) or saved (FOLDER_SAVE) at path: it
// goes to the front of the list and its folder becomes the last of kind;
// the menu and the settings file follow.
void NotePortraitFile(HWND editor, const std::wstring &path, FolderKind kind);

// The command of recent entry index: opens that file through
// OpenPortraitFile. A file that is no longer there is taken off the list,
// and a message names it. Returns 1 when the portrait was opened.
int OpenRecentFile(HWND editor, int index);
