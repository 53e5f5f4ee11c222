#include "help.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "catalogue.h"

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
  char saved[DIR_PATH_SIZE];
  std::memcpy(saved, baseDir, sizeof saved);
  std::strcpy(baseDir, "C:\\nigaoe");
  EXPECT_EQ(BasePath(HELP_PAGE_EDITOR), "C:\\nigaoe\\help\\editor.html");
  EXPECT_EQ(BasePath(HELP_PAGE_PREVIEW), "C:\\nigaoe\\help\\preview.html");
  EXPECT_NE(BasePath(HELP_PAGE_EDITOR), BasePath(HELP_PAGE_PREVIEW));
  std::memcpy(baseDir, saved, sizeof baseDir);
}

}  // namespace
