#include "save_dialog.h"

#include <cstring>

#include "failure.h"
#include "catalogue.h"
#include "texts.h"

static const char PROPOSED_PATH[] = "phot\\phot-.bmp";
static const char PROPOSED_NAME[] = "phot-.bmp";

void ProposeSavePath(char *proposal) {
  std::memset(proposal, 0, SAVE_PATH_SIZE);
  if (!MakeBasePath(proposal, SAVE_PATH_SIZE, PROPOSED_PATH)) std::strcpy(proposal, PROPOSED_NAME);
}

void FillSaveRecord(OPENFILENAMEA &record, HWND owner, char *file) {
  std::memset(&record, 0, sizeof record);
  // The record as it was before the members later versions appended; a
  // 64-bit program passes the 64-bit size of that part.
  record.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  record.hwndOwner = owner;
  record.lpstrFilter = TEXT_SAVE_FILTER;
  record.nFilterIndex = 1;
  record.lpstrFile = file;
  record.nMaxFile = SAVE_PATH_SIZE;
  record.lpstrTitle = TEXT_SAVE_TITLE;
  record.Flags = SAVE_DIALOG_FLAGS;
}

int RunSaveDialog(OPENFILENAMEA &record) {
  BOOL chosen = GetSaveFileNameA(&record);
  DWORD error = chosen ? 0 : CommDlgExtendedError();
  SetCurrentDirectoryA(baseDir);
  if (chosen) return 1;
  if (error != 0) ShowFailure(record.hwndOwner, TEXT_SAVE_NAME_REFUSED, CAPTION_GET_SAVE_FILE_NAME);
  return 0;
}

int AskSavePath(HWND owner, char *path) {
  char file[SAVE_PATH_SIZE];
  ProposeSavePath(file);
  OPENFILENAMEA record;
  FillSaveRecord(record, owner, file);
  if (!RunSaveDialog(record)) return 0;
  // With several names typed the buffer holds the folder, a zero and the
  // names: the path is the folder, which then cannot be written.
  std::memset(path, 0, SAVE_PATH_SIZE);
  lstrcpynA(path, file, SAVE_PATH_SIZE);
  return 1;
}
