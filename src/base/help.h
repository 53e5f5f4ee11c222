// The help pages: shipped files below the program folder, shown by the
// system's own handler for web pages, or by the fixed browser when there is
// none.
#pragma once

#include <windows.h>

#include <string>

// The pages that the program folder ships, below its folder.
extern const char HELP_PAGE_EDITOR[];
extern const char HELP_PAGE_PREVIEW[];

// The fixed browser's command line: the quoted program path, a blank, and
// the address, quoted when it holds a blank.
std::string BuildHelpCommandLine(const char *address);

// Ways of showing a page: each starts a program on address and returns 1
// when it started. The program opens a page with the system's handler
// (ShellExecute "open"), which counts as failed when the handler it starts
// ends with a failure within a second (a handler finding no browser), and
// starts the fixed browser path when that fails; neither is waited for
// otherwise. Tests put recorders here so that no browser starts.
typedef int (*HelpLauncher)(HWND owner, const char *address);
extern HelpLauncher openWithSystemHandler;
extern HelpLauncher openWithFixedBrowser;

// Shows the page at address: the system's handler, else the fixed browser.
// When neither starts, that is reported in a message box owned by owner.
void OpenHelpPage(HWND owner, const char *address);
