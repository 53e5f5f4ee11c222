#include "commands.h"

#include "association.h"
#include "catalogue.h"
#include "clipboard.h"
#include "colour_picker.h"
#include "document.h"
#include "drag.h"
#include "editor_window.h"
#include "file_dialog.h"
#include "help.h"
#include "photo_view.h"
#include "history.h"
#include "preview.h"
#include "random_portrait.h"
#include "resource.h"
#include "settings.h"
#include "text.h"
#include "texts.h"
#include "unsaved.h"
#include "zoom_view.h"

namespace {

void ShowVersion(HWND editor) {
  std::wstring caption = ProgramText(TEXT_VERSION_TITLE), text = ProgramCaption(editor);
  MSGBOXPARAMSW box = {};
  box.cbSize = sizeof box;
  box.hwndOwner = editor;
  box.hInstance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(editor, GWLP_HINSTANCE));
  box.lpszText = text.c_str();
  box.lpszCaption = caption.c_str();
  box.dwStyle = MB_OK | MB_USERICON;
  box.lpszIcon = MAKEINTRESOURCEW(IDI_PROGRAM);
  MessageBoxIndirectW(&box);
}

// The commands of the menu that take the portrait to and from files and
// other programs. Opening a file records its own change.
bool HandleFileCommand(HWND window, unsigned id) {
  if (id >= IDC_RECENT_FIRST && id <= IDC_RECENT_LAST) {
    OpenRecentFile(window, id - IDC_RECENT_FIRST);
    return true;
  }
  switch (id) {
    case IDC_NEW_PORTRAIT:
      NewPortrait(window);
      return true;
    case IDC_OPEN_PORTRAIT:
      OpenPortraitAsking(window);
      return true;
    case IDC_SAVE_PORTRAIT:
    case IDC_SAVE_PORTRAIT_AS:
      SavePortraitCommand(window, id == IDC_SAVE_PORTRAIT_AS);
      return true;
    case IDC_EXPORT_IMAGE:
      ExportRemembering(window, StemOf(NameOf(portraitFilePath)));
      return true;
    case IDC_ASSOCIATE:
      AssociatePortraitFiles(window);
      return true;
    case IDC_REMOVE_ASSOCIATION:
      RemovePortraitAssociation(window);
      return true;
    case IDC_COPY_IMAGE:
      CopyCanvasImage(window);
      return true;
    case IDC_SHOW_VERSION:
      ShowVersion(window);
      return true;
  }
  return false;
}

}  // namespace

void HandleEditorCommand(HWND window, unsigned id) {
  // Escape puts a dragged part back; any other command ends the drag first,
  // keeping what moved as a change of its own.
  if (id == IDC_CANCEL_DRAG) {
    CancelDrag(window);
    StopColourPicker();
    return;
  }
  FinishDrag(window);
  if (HandleFileCommand(window, id) || HandleViewCommand(window, id) || HandlePhotoCommand(window, id)) return;
  if (id == IDC_UNDO || id == IDC_REDO) {
    if (id == IDC_UNDO ? UndoChange() : RedoChange()) RepaintEditor(window);
    return;
  }
  switch (id) {
    case IDC_SAVE:
      OpenCapturePreview(window);
      return;
    case IDC_CLOSE:
      CloseEditor(window);
      return;
    case IDC_SHOW_HELP:
      OpenHelpPage(window, BasePath(HELP_PAGE_EDITOR).c_str());
      return;
    case IDC_RANDOM_PORTRAIT:
    case IDC_RANDOM_PART: {
      PortraitState before = CurrentPortrait();
      PlaceRandomParts(window, id == IDC_RANDOM_PART);
      RecordChange(before);
      RepaintEditor(window);
      return;
    }
    case IDC_PICK_COLOUR:
      ToggleColourPicker();
      return;
    case IDC_LOCK_PART:
      ToggleCurrentCategoryLock();
      RepaintEditor(window);
      return;
  }
  RunEditCommand(window, id);
}
