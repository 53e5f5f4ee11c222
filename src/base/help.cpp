#include "help.h"

#include <shellapi.h>

#include <cstring>

#include "failure.h"
#include "texts.h"

const char HELP_PAGE_EDITOR[] = "help\\editor.html";
const char HELP_PAGE_PREVIEW[] = "help\\preview.html";

static const char BROWSER_PATH[] = "C:\\Program Files\\Internet Explorer\\iexplore.exe";

std::string BuildHelpCommandLine(const char *address) {
  // Quoted, or CreateProcessA would start C:\Program.exe if there were one.
  std::string line = std::string("\"") + BROWSER_PATH + "\" ";
  if (std::strchr(address, ' '))
    line += std::string("\"") + address + "\"";
  else
    line += address;
  return line;
}

static int OpenWithShell(HWND owner, const char *address) {
  // Values above 32 mean the handler was started.
  return reinterpret_cast<INT_PTR>(ShellExecuteA(owner, "open", address, nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

static int StartFixedBrowser(HWND, const char *address) {
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

HelpLauncher openWithSystemHandler = OpenWithShell;
HelpLauncher openWithFixedBrowser = StartFixedBrowser;

void OpenHelpPage(HWND owner, const char *address) {
  if (openWithSystemHandler(owner, address) || openWithFixedBrowser(owner, address)) return;
  ShowFailure(owner, TEXT_NO_BROWSER, CAPTION_CREATE_PROCESS);
}
