// partcheck: checks the part files of a program folder the way the editor
// started there would read them, for people who draw their own parts.
#include <cstdio>
#include <string>

#include "part_check.h"

namespace {

const char USAGE[] =
    "usage: partcheck <program folder>\n"
    "Checks the parts in <program folder>\\kao, and kao-1-001.bmp beside it, the way the\n"
    "editor started in that folder reads them: one line for each file with a problem.\n"
    "Exit status: 0 when every part shows (warnings may remain), 1 when something will\n"
    "not show, 2 when the folder cannot be checked.\n";

}  // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fputs(USAGE, stderr);
    return 2;
  }
  std::string problem = UseProgramFolder(argv[1]);
  if (!problem.empty()) {
    std::fprintf(stderr, "partcheck: %s: %s\n\n%s", argv[1], problem.c_str(), USAGE);
    return 2;
  }
  PartCheck check = CheckProgramFolder();
  std::fputs(FormatPartCheck(check).c_str(), stdout);
  return AnySkipped(check) ? 1 : 0;
}
