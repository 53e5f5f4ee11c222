// The recent files in the File menu (between the picture commands and the
// association's items), and the list brought up to date as portrait files
// are opened and saved. Choosing an entry is OpenRecentFile (unsaved.h).
#pragma once

#include <windows.h>

#include <string>

#include "recent_files.h"
#include "settings.h"

// Puts recentFiles into editor's File menu, or a greyed line saying there are
// none; a window without that menu is left alone.
void ShowRecentFiles(HWND editor);

// A portrait file opened (FOLDER_OPEN) or saved (FOLDER_SAVE) at path: it
// goes to the front of the list and its folder becomes the last of kind;
// the menu and the settings file follow.
void NotePortraitFile(HWND editor, const std::wstring &path, FolderKind kind);
