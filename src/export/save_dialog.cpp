#include "save_dialog.h"

#include <cstring>

#include "failure.h"
#include "catalogue.h"
#include "text.h"
#include "texts.h"

static const char PICTURE_FOLDER[] = "phot";
static const char PROPOSED_PATH[] = "phot\\phot-.bmp";
static const char PROPOSED_NAME[] = "phot-.bmp";

void ProposeSavePath(char *proposal) {
  std::memset(proposal, 0, SAVE_PATH_SIZE);
  if (!MakeBasePath(proposal, SAVE_PATH_SIZE, PROPOSED_PATH)) std::strcpy(proposal, PROPOSED_NAME);
}

std::wstring PictureFolder() {
  std::string folder = BasePath(PICTURE_FOLDER);
  DWORD attributes = GetFileAttributesA(folder.c_str());
  bool isFolder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  return SystemText(isFolder ? folder.c_str() : baseDir);
}

SaveDialogTexts MakeSaveDialogTexts() {
  SaveDialogTexts texts;
  texts.title = ProgramText(TEXT_SAVE_TITLE);
  texts.filter = ProgramTextList(TEXT_SAVE_FILTER);
  return texts;
}

void FillSaveRecord(OPENFILENAMEW &record, HWND owner, wchar_t *file, const SaveDialogTexts &texts) {
  std::memset(&record, 0, sizeof record);
  // The record as it was before the members later versions appended; a
  // 64-bit program passes the 64-bit size of that part.
  record.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
  record.hwndOwner = owner;
  record.lpstrFilter = texts.filter.c_str();
  record.nFilterIndex = 1;
  record.lpstrFile = file;
  record.nMaxFile = SAVE_PATH_SIZE;
  record.lpstrTitle = texts.title.c_str();
  record.Flags = SAVE_DIALOG_FLAGS;
}

int RunSaveDialog(OPENFILENAMEW &record) {
  BOOL chosen = GetSaveFileNameW(&record);
  DWORD error = chosen ? 0 : CommDlgExtendedError();
  SetCurrentDirectoryA(baseDir);
  if (chosen) return 1;
  if (error != 0) ShowFailure(record.hwndOwner, TEXT_SAVE_NAME_REFUSED, CAPTION_GET_SAVE_FILE_NAME);
  return 0;
}

int AskSavePath(HWND owner, char *path) {
  char proposal[SAVE_PATH_SIZE];
  ProposeSavePath(proposal);
  wchar_t file[SAVE_PATH_SIZE] = {0};
  lstrcpynW(file, SystemText(proposal).c_str(), SAVE_PATH_SIZE);
  SaveDialogTexts texts = MakeSaveDialogTexts();
  OPENFILENAMEW record;
  FillSaveRecord(record, owner, file, texts);
  if (!RunSaveDialog(record)) return 0;
  // With several names typed the buffer holds the folder, a zero and the
  // names: the path is the folder, which then cannot be written.
  char chosen[SAVE_PATH_SIZE];
  if (!ToSystemText(file, chosen, sizeof chosen)) {
    ShowFailure(owner, TEXT_SAVE_NAME_REFUSED, CAPTION_GET_SAVE_FILE_NAME);
    return 0;
  }
  std::memset(path, 0, SAVE_PATH_SIZE);
  lstrcpynA(path, chosen, SAVE_PATH_SIZE);
  return 1;
}
