#include "recent_menu.h"

#include "file_dialog.h"
#include "resource.h"
#include "settings.h"
#include "text.h"
#include "texts.h"

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
