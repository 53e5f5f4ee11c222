#include "question.h"

#include <commctrl.h>

#include "text.h"

namespace {

typedef HRESULT(WINAPI *TaskDialogCall)(const TASKDIALOGCONFIG *, int *, int *, BOOL *);

// Looked up, not linked: a program without the version 6 common controls
// would otherwise not even start where the call is missing.
TaskDialogCall TaskDialogOfSystem() {
  HMODULE controls = GetModuleHandleW(L"comctl32.dll");
  if (!controls) controls = LoadLibraryW(L"comctl32.dll");
  if (!controls) return nullptr;
  // Through void *: the platform hands every entry out under one type.
  return reinterpret_cast<TaskDialogCall>(reinterpret_cast<void *>(GetProcAddress(controls, "TaskDialogIndirect")));
}

int AskInMessageBox(const Question &question) {
  std::wstring text = question.instruction + L"\n\n" + question.detail;
  int answer = MessageBoxW(question.owner, text.c_str(), question.caption.c_str(),
                           (question.cancel ? MB_YESNOCANCEL : MB_YESNO) | MB_ICONWARNING);
  return answer == IDYES || answer == IDNO ? answer : IDCANCEL;
}

}  // namespace

int AskQuestion(const Question &question) {
  TaskDialogCall taskDialog = TaskDialogOfSystem();
  if (!taskDialog) return AskInMessageBox(question);
  std::wstring yes = ProgramText(question.yes), no = ProgramText(question.no);
  TASKDIALOG_BUTTON buttons[] = {{IDYES, yes.c_str()}, {IDNO, no.c_str()}};
  TASKDIALOGCONFIG config = {};
  config.cbSize = sizeof config;
  config.hwndParent = question.owner;
  config.dwFlags = TDF_POSITION_RELATIVE_TO_WINDOW | (question.cancel ? TDF_ALLOW_DIALOG_CANCELLATION : 0);
  config.dwCommonButtons = question.cancel ? TDCBF_CANCEL_BUTTON : 0;
  config.pszWindowTitle = question.caption.c_str();
  config.pszMainIcon = TD_WARNING_ICON;
  config.pszMainInstruction = question.instruction.c_str();
  config.pszContent = question.detail.c_str();
  config.cButtons = 2;
  config.pButtons = buttons;
  config.nDefaultButton = IDYES;
  int answer = 0;
  if (FAILED(taskDialog(&config, &answer, nullptr, nullptr))) return AskInMessageBox(question);
  return answer == IDYES || answer == IDNO ? answer : IDCANCEL;
}
