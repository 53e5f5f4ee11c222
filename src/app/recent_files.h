// The portrait files opened or saved lately, newest first: the list and its
// rules. The File menu shows it (recent_menu.h) and the settings keep it
// between runs (settings.h).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

const int RECENT_FILES_MAX = 8;

typedef std::vector<std::wstring> FileList;

// The list shown; the settings file's at start.
extern FileList recentFiles;

// list with path at its front, any other entry for the same file dropped,
// and at most RECENT_FILES_MAX entries (the oldest go).
FileList WithRecentFile(FileList list, const std::wstring &path);

// list without the entries for path's file.
FileList WithoutRecentFile(FileList list, const std::wstring &path);

// The menu text of entry index (from 0): "&1 name", the file's name with
// any & doubled so that only the number is a mnemonic.
std::wstring RecentMenuText(int index, const std::wstring &path);
