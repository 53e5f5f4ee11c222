#include "help.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "catalogue.h"
#include "support/test_support.h"
#include "texts.h"

namespace {

TEST(HelpPages, CommandLineQuotesTheBrowserAndAnAddressWithBlanks) {
  const std::string browser = "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" ";
  EXPECT_EQ(BuildHelpCommandLine("C:\\nigaoe\\help\\editor.html"),
            browser + "C:\\nigaoe\\help\\editor.html");
  EXPECT_EQ(BuildHelpCommandLine("C:\\My Tools\\help\\preview.html"),
            browser + "\"C:\\My Tools\\help\\preview.html\"");
  std::string longAddress(4000, 'a');
  EXPECT_EQ(BuildHelpCommandLine(longAddress.c_str()), browser + longAddress);
}

TEST(HelpPages, AddressesNameTheShippedPagesBelowTheProgramFolder) {
  ScopedSwap keepBase(baseDir);
  std::strcpy(baseDir, "C:\\nigaoe");
  EXPECT_EQ(BasePath(HELP_PAGE_EDITOR), "C:\\nigaoe\\help\\editor.html");
  EXPECT_EQ(BasePath(HELP_PAGE_PREVIEW), "C:\\nigaoe\\help\\preview.html");
}

// The system's handler first, the fixed browser only when it fails, a
// message only when both fail.
TEST(HelpPages, OpenTheSystemsHandlerThenTheFixedBrowserThenTellTheFailure) {
  static std::string tried;
  static bool systemStarts, browserStarts;
  ScopedSwap<HelpLauncher> system(openWithSystemHandler, [](HWND, const char *address) {
    tried += std::string("system ") + address + ";";
    return systemStarts ? 1 : 0;
  });
  ScopedSwap<HelpLauncher> browser(openWithFixedBrowser, [](HWND, const char *address) {
    tried += std::string("browser ") + address + ";";
    return browserStarts ? 1 : 0;
  });
  const struct {
    bool system, browser;
    const char *tried;
    bool message;
  } cases[] = {
      {true, true, "system p;", false},
      {false, true, "system p;browser p;", false},
      {false, false, "system p;browser p;", true},
  };
  HWND owner = reinterpret_cast<HWND>(0x42);
  for (const auto &c : cases) {
    FailureLog failures;
    systemStarts = c.system, browserStarts = c.browser, tried.clear();
    OpenHelpPage(owner, "p");
    EXPECT_EQ(tried, c.tried);
    ASSERT_EQ(failures.entries().size(), c.message ? 1u : 0u) << c.tried;
    if (c.message) {
      EXPECT_EQ(failures.entries()[0].owner, owner);
      EXPECT_EQ(failures.entries()[0].text, TEXT_NO_BROWSER);
      EXPECT_EQ(failures.entries()[0].caption, CAPTION_CREATE_PROCESS);
    }
  }
}

}  // namespace
