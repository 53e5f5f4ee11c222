#include "recent_files.h"

#include "document.h"
#include "failure.h"
#include "file_dialog.h"
#include "resource.h"
#include "text.h"
#include "texts.h"
#include "unsaved.h"

FileList recentFiles;

bool SamePath(const std::wstring &a, const std::wstring &b) {
  // The file system's own comparison: ordinal, upper-casing both.
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                              TRUE) == CSTR_EQUAL;
}

FileList WithoutRecentFile(FileList list, const std::wstring &path) {
  FileList kept;
  for (const std::wstring &entry : list)
    if (!SamePath(entry, path)) kept.push_back(entry);
  return kept;
}

FileList WithRecentFile(FileList list, const std::wstring &path) {
  FileList added = WithoutRecentFile(list, path);
  added.insert(added.begin(), path);
  if (added.size() > RECENT_FILES_MAX) added.resize(RECENT_FILES_MAX);
  return added;
}

std::wstring RecentMenuText(int index, const std::wstring &path) {
  std::wstring text = L"&" + std::to_wstring(index + 1) + L" ";
  for (wchar_t c : NameOf(path)) text += c == L'&' ? L"&&" : std::wstring(1, c);
  return text;
}

namespace {

// The File menu, known by its association item; null in a window without it.
HMENU FileMenu(HWND editor, int *associatePosition) {
  HMENU bar = GetMenu(editor);
  for (int menu = 0; bar && menu < GetMenuItemCount(bar); ++menu) {
    HMENU items = GetSubMenu(bar, menu);
    for (int i = 0; items && i < GetMenuItemCount(items); ++i)
      if (GetMenuItemID(items, i) == IDC_ASSOCIATE) {
        *associatePosition = i;
        return items;
      }
  }
  return nullptr;
}

}  // namespace

void ShowRecentFiles(HWND editor) {
  int position = 0;
  HMENU menu = FileMenu(editor, &position);
  if (!menu) return;
  for (int id = IDC_RECENT_FIRST; id <= IDC_RECENT_LAST; ++id)
    if (DeleteMenu(menu, id, MF_BYCOMMAND)) --position;
  // The list goes before the separator above the association's items.
  --position;
  if (recentFiles.empty()) {
    InsertMenuW(menu, position, MF_BYPOSITION | MF_STRING | MF_GRAYED, IDC_RECENT_FIRST,
                ProgramText(TEXT_NO_RECENT_FILES).c_str());
    return;
  }
  for (int i = 0; i < static_cast<int>(recentFiles.size()) && i < RECENT_FILES_MAX; ++i)
    InsertMenuW(menu, position + i, MF_BYPOSITION | MF_STRING, IDC_RECENT_FIRST + i,
                RecentMenuText(i, recentFiles[i]).c_str());
}

void NotePortraitFile(HWND editor, const std::wstring &path, FolderKind kind) {
  recentFiles = WithRecentFile(recentFiles, path);
  lastFolders[kind] = FolderOf(path);
  ShowRecentFiles(editor);
  WriteSettings();
}

int OpenRecentFile(HWND editor, int index) {
  if (index < 0 || index >= static_cast<int>(recentFiles.size())) return 0;
  std::wstring path = recentFiles[index];
  DWORD attributes = GetFileAttributesW(path.c_str());
  DWORD error = GetLastError();
  // Other failures (a locked or unreachable file) are the opening's to report.
  bool gone = attributes == INVALID_FILE_ATTRIBUTES ? error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                                                    : (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  if (!gone) return ConfirmDiscardChanges(editor) && OpenPortraitFile(editor, path);
  recentFiles = WithoutRecentFile(recentFiles, path);
  ShowRecentFiles(editor);
  WriteSettings();
  ShowFailure(editor, (std::string(TEXT_RECENT_MISSING) + "\n" + ToProgramText(path)).c_str(), CAPTION_PORTRAIT_FILE);
  return 0;
}
