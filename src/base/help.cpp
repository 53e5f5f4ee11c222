#include "help.h"

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

void OpenHelpPage(HWND owner, const char *address) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string commandLine = BuildHelpCommandLine(address);
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                      nullptr, nullptr, &startup, &process)) {
    ShowFailure(owner, TEXT_NO_BROWSER, CAPTION_CREATE_PROCESS);
    return;
  }
  // The browser runs on its own; the program keeps no hold on it.
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}
