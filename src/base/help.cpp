#include "help.h"

#include <shellapi.h>

#include <cstring>

#include "failure.h"
#include "texts.h"

const char HELP_PAGE_EDITOR[] = "help\\editor.html";
const char HELP_PAGE_PREVIEW[] = "help\\preview.html";

namespace {

const char BROWSER_PATH[] = "C:\\Program Files\\Internet Explorer\\iexplore.exe";

}  // namespace

std::string BuildHelpCommandLine(const char *address) {
  // Quoted, or CreateProcessA would start C:\Program.exe if there were one.
  std::string line = std::string("\"") + BROWSER_PATH + "\" ";
  if (std::strchr(address, ' '))
    line += std::string("\"") + address + "\"";
  else
    line += address;
  return line;
}

namespace {

// How long a handler that the shell started as a process of its own is
// given to fail: one that hands the page on to no browser (Wine's, when the
// desktop has none) ends at once with a failure.
const DWORD HANDLER_FAILS_WITHIN_MS = 1000;

int OpenWithShell(HWND owner, const char *address) {
  SHELLEXECUTEINFOA run = {};
  run.cbSize = sizeof run;
  run.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  run.hwnd = owner;
  run.lpVerb = "open";
  run.lpFile = address;
  run.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExA(&run)) return 0;
  if (!run.hProcess) return 1;  // handed to a program already running
  DWORD exitCode = 0;
  bool failed = WaitForSingleObject(run.hProcess, HANDLER_FAILS_WITHIN_MS) == WAIT_OBJECT_0 &&
                GetExitCodeProcess(run.hProcess, &exitCode) && exitCode != 0;
  CloseHandle(run.hProcess);
  return !failed;
}

int StartFixedBrowser(HWND, const char *address) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string commandLine = BuildHelpCommandLine(address);
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                      nullptr, nullptr, &startup, &process))
    return 0;
  // The browser runs on its own; the program keeps no hold on it.
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 1;
}

}  // namespace

HelpLauncher openWithSystemHandler = OpenWithShell;
HelpLauncher openWithFixedBrowser = StartFixedBrowser;

void OpenHelpPage(HWND owner, const char *address) {
  if (openWithSystemHandler(owner, address) || openWithFixedBrowser(owner, address)) return;
  ShowFailure(owner, TEXT_NO_BROWSER, CAPTION_CREATE_PROCESS);
}
