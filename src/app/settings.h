// What the program keeps between runs: the export's options, the folders
// portrait files were last opened from and saved to and pictures exported
// to, and the recent files. They live in a Unicode profile file, nigaoe.ini,
// in a folder of the program's own in the user's roaming application data,
// read at start and written whenever one of them changes.
#pragma once

#include <windows.h>

#include <string>

// The folder of the settings file. Empty, nothing is read or written: so
// in the tests, unless they point it at a temporary folder. The program
// sets it at start (UseProgramSettings).
extern std::wstring settingsFolder;

// The program's own folder in the user's application data, roaming (the
// settings) and local (the recovery files).
const wchar_t PROGRAM_FOLDER_NAME[] = L"Nigaoe";

// The view kept between runs: the canvas's zoom (1 to 6; the window shows
// the largest that fits, up to it), the grid, and the reference photo's
// strength in percent (one of those offered).
extern int editorZoom;
extern bool editorGrid;
extern int photoStrength;

enum FolderKind { FOLDER_OPEN, FOLDER_SAVE, FOLDER_EXPORT, FOLDER_KINDS };

// The last folder of each kind; empty until there is one.
extern std::wstring lastFolders[FOLDER_KINDS];

// Paths in the settings are shorter than this, in characters.
const int SETTINGS_PATH_MAX = 1024;

// Points settingsFolder at the user's roaming application data (its Nigaoe
// folder) and reads the settings: the program's start.
void UseProgramSettings();

// Reads the settings file: every value that is there and sound replaces
// the program's (exportOptions, lastFolders; recentFiles is the file's
// sound entries). A file that is missing, not a file, too large or damaged
// leaves the rest as it is, which at start is the defaults; never a message.
void ReadSettings();

// Writes every setting to the file, first making it (and its folder) a
// Unicode file when it is not one. A failure is silent: the settings are a
// convenience, and the next change tries again.
void WriteSettings();

// The folder a file dialog of kind opens in: the last one while it is a
// folder, else fallback.
std::wstring StartFolder(FolderKind kind, const std::wstring &fallback);

// The export command, its Save-As dialog opening in the folder of the last
// export and proposing name (without its extension); the options and the
// folder chosen are kept.
void ExportRemembering(HWND editor, const std::wstring &name);
