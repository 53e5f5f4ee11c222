#include "unsaved.h"

#include "catalogue.h"
#include "edit_commands.h"
#include "document.h"
#include "drag.h"
#include "editor_window.h"
#include "history.h"
#include "failure.h"
#include "question.h"
#include "recent_menu.h"
#include "settings.h"
#include "resource.h"
#include "text.h"
#include "texts.h"

namespace {

int AskSaveChangesDialog(HWND editor, const std::wstring &name) {
  Question question{editor,
                    ProgramCaption(editor),
                    L"\u300c" + name + L"\u300d" + ProgramText(TEXT_ASK_SAVE_CHANGES),
                    ProgramText(TEXT_ASK_SAVE_DETAIL),
                    TEXT_SAVE_BUTTON,
                    TEXT_DONT_SAVE_BUTTON,
                    true};
  return AskQuestion(question);
}

}  // namespace

SaveChangesAsker askSaveChanges = AskSaveChangesDialog;

int ConfirmDiscardChanges(HWND editor) {
  FinishDrag(editor);
  if (!PortraitChanged()) return 1;
  switch (askSaveChanges(editor, PortraitName())) {
    case IDYES:
      return SavePortraitCommand(editor, false);
    case IDNO:
      return 1;
    default:
      return 0;
  }
}

void CloseEditor(HWND editor) {
  if (ConfirmDiscardChanges(editor)) DestroyWindow(editor);
}

void NewPortrait(HWND editor) {
  if (!ConfirmDiscardChanges(editor)) return;
  ResetPortrait();
  ClearHistory();
  MarkPortraitSaved();
  portraitFilePath.clear();
  firstVisible = 0;
  partCount = 0;  // the palette empty, as at start
  CheckRadioButton(editor, IDC_FRONT_HAIR, IDC_BACK_HAIR, IDC_FRONT_HAIR);
  ShowCategoryControls(editor);
  FocusCategoryButton(editor);
  ShowEditorTitle(editor);
  RepaintEditor(editor);
}

void OpenStartFile(HWND editor, const wchar_t *commandLine) {
  int count = 0;
  wchar_t **arguments = CommandLineToArgvW(commandLine, &count);
  if (!arguments) return;
  if (count >= 2) {
    wchar_t full[MAX_PATH * 4];
    DWORD length = GetFullPathNameW(arguments[1], sizeof full / sizeof *full, full, nullptr);
    if (ConfirmDiscardChanges(editor))
      OpenPortraitFile(editor, length > 0 && length < sizeof full / sizeof *full ? full : arguments[1]);
  }
  LocalFree(arguments);
}

int OpenPortraitAsking(HWND editor) { return ConfirmDiscardChanges(editor) && OpenPortraitCommand(editor); }

void OpenDroppedFile(HWND editor, HDROP drop) {
  std::wstring path = DroppedFilePath(drop);
  if (!path.empty() && ConfirmDiscardChanges(editor)) OpenPortraitFile(editor, path);
}

BOOL MayEndSession(HWND editor) { return ConfirmDiscardChanges(editor) ? TRUE : FALSE; }

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
