#include "file_dialog.h"

#include <commdlg.h>

#include <vector>

#include "catalogue.h"
#include "failure.h"
#include "text.h"
#include "texts.h"

// Longer than any path the platform's file calls take without a prefix.
static const DWORD FILE_BUFFER_SIZE = 4096;

static int AskWithDialog(const FileQuestion &question, FileAnswer *answer) {
  std::vector<wchar_t> file(FILE_BUFFER_SIZE, L'\0');
  question.name.copy(file.data(), FILE_BUFFER_SIZE - 1);
  std::wstring title = ProgramText(question.title), filter = ProgramTextList(question.filter);
  OPENFILENAMEW record = {};
  record.lStructSize = sizeof record;
  record.hwndOwner = question.owner;
  record.lpstrFilter = filter.c_str();
  record.nFilterIndex = 1;
  record.lpstrFile = file.data();
  record.nMaxFile = FILE_BUFFER_SIZE;
  record.lpstrInitialDir = question.folder.empty() ? nullptr : question.folder.c_str();
  record.lpstrTitle = title.c_str();
  record.lpstrDefExt = question.defaultExtension;
  record.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                 (question.save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  BOOL chosen = question.save ? GetSaveFileNameW(&record) : GetOpenFileNameW(&record);
  DWORD error = chosen ? 0 : CommDlgExtendedError();
  SetCurrentDirectoryA(baseDir);
  if (!chosen) {
    if (error != 0) ShowFailure(question.owner, TEXT_FILE_NAME_REFUSED, question.save ? CAPTION_GET_SAVE_FILE_NAME : CAPTION_GET_OPEN_FILE_NAME);
    return 0;
  }
  answer->path = file.data();
  answer->filterIndex = static_cast<int>(record.nFilterIndex);
  return 1;
}

FileAsker askFile = AskWithDialog;

static std::size_t LastSeparator(const std::wstring &path) { return path.find_last_of(L"\\/:"); }

std::wstring FolderOf(const std::wstring &path) {
  std::size_t at = LastSeparator(path);
  return at == std::wstring::npos ? std::wstring() : path.substr(0, at);
}

std::wstring NameOf(const std::wstring &path) {
  std::size_t at = LastSeparator(path);
  return at == std::wstring::npos ? path : path.substr(at + 1);
}
