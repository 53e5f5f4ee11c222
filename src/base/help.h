// The help pages, shown by starting the web browser on them.
#pragma once

#include <windows.h>

#include <string>

// The pages that the program folder ships, below its folder.
extern const char HELP_PAGE_EDITOR[];
extern const char HELP_PAGE_PREVIEW[];

// The browser's command line: the quoted program path, a blank, and the
// address, quoted when it holds a blank.
std::string BuildHelpCommandLine(const char *address);

// Starts the browser on address and does not wait for it. A browser that
// cannot be started is reported in a message box owned by owner.
void OpenHelpPage(HWND owner, const char *address);
