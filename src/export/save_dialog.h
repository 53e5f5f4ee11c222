// The Save-As dialog that asks where a portrait goes.
#pragma once

#include <windows.h>

#include <commdlg.h>

const int SAVE_PATH_SIZE = 256;  // 255 characters and the terminating zero
const DWORD SAVE_DIALOG_FLAGS = OFN_EXPLORER | OFN_ALLOWMULTISELECT;

// Writes the proposed path into proposal (SAVE_PATH_SIZE bytes):
// baseDir\phot\phot-.bmp, or the bare phot-.bmp (in the current directory,
// baseDir) when baseDir is too long for the whole path.
void ProposeSavePath(char *proposal);

// Clears record and fills it for the dialog: owner, the two filter pairs
// with the first selected, file (SAVE_PATH_SIZE bytes, holding the
// proposal) as the name buffer, the title, and SAVE_DIALOG_FLAGS alone.
void FillSaveRecord(OPENFILENAMEA &record, HWND owner, char *file);

// Shows the dialog for a filled record. Returns 1 when the user confirmed a
// name, 0 when the dialog was cancelled or failed; a failure (for example a
// name longer than the buffer) is shown in a box owned by the record's
// owner, a cancel is silent. Either way the current directory is baseDir
// again afterwards: the dialog moves it to the folder it saved into.
int RunSaveDialog(OPENFILENAMEA &record);

// Asks for the path to save to. Returns 1 with path (SAVE_PATH_SIZE bytes)
// cleared and holding the chosen path; 0 with path untouched when there is
// none.
int AskSavePath(HWND owner, char *path);
