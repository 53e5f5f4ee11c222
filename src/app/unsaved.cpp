#include "unsaved.h"

#include "catalogue.h"
#include "commands.h"
#include "document.h"
#include "drag.h"
#include "editor.h"
#include "history.h"
#include "question.h"
#include "recovery.h"
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

BOOL MayEndSession(HWND editor) { return ConfirmDiscardChanges(editor) ? TRUE : FALSE; }
