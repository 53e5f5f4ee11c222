// The Save-As dialog that asks where a portrait goes.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>

const int SAVE_PATH_SIZE = 256;  // 255 characters and the terminating zero
const DWORD SAVE_DIALOG_FLAGS = OFN_EXPLORER | OFN_ALLOWMULTISELECT;

// Writes the proposed path into proposal (SAVE_PATH_SIZE bytes):
// baseDir\phot\phot-.bmp, or the bare phot-.bmp (in the current directory,
// baseDir) when baseDir is too long for the whole path.
void ProposeSavePath(char *proposal);

// The folder pictures and portraits are proposed in: baseDir\phot when it
// is a folder, else baseDir.
std::wstring PictureFolder();

// The dialog's own texts, as Unicode: the title and the two filter pairs,
// each string zero-terminated and the list closed by an extra zero.
struct SaveDialogTexts {
  std::wstring title;
  std::wstring filter;
};
SaveDialogTexts MakeSaveDialogTexts();

// Clears record and fills it for the dialog: owner, the two filter pairs of
// texts with the first selected, file (SAVE_PATH_SIZE characters, holding
// the proposal) as the name buffer, the title, and SAVE_DIALOG_FLAGS alone.
// The dialog is asked through the Unicode call, so that its texts read right
// whatever the system's code page; the path it gives is turned back into the
// system's code page.
void FillSaveRecord(OPENFILENAMEW &record, HWND owner, wchar_t *file, const SaveDialogTexts &texts);

// Shows the dialog for a filled record. Returns 1 when the user confirmed a
// name, 0 when the dialog was cancelled or failed; a failure (for example a
// name longer than the buffer) is shown in a box owned by the record's
// owner, a cancel is silent. Either way the current directory is baseDir
// again afterwards: the dialog moves it to the folder it saved into.
int RunSaveDialog(OPENFILENAMEW &record);

// Asks for the path to save to. Returns 1 with path (SAVE_PATH_SIZE bytes)
// cleared and holding the chosen path; 0 with path untouched when there is
// none. A chosen name that the system's code page cannot hold, or that is
// too long, is refused with the dialog's failure message.
int AskSavePath(HWND owner, char *path);
