// partgen icon FILE      writes the program icon
// partgen parts FOLDER   writes the bundled part library into FOLDER
// partgen overview FILE  writes a picture of every part with its file name
#include <cstdio>
#include <cstring>

#include "icon.h"
#include "overview.h"
#include "parts.h"

int main(int argc, char **argv) {
  if (argc == 3 && std::strcmp(argv[1], "icon") == 0) {
    if (WriteProgramIcon(argv[2])) return 0;
    std::fprintf(stderr, "partgen: cannot write %s\n", argv[2]);
    return 1;
  }
  if (argc == 3 && std::strcmp(argv[1], "parts") == 0) return WritePartLibrary(argv[2]) ? 0 : 1;
  if (argc == 3 && std::strcmp(argv[1], "overview") == 0) return WriteLibraryOverview(argv[2]) ? 0 : 1;
  std::fprintf(stderr, "usage: partgen icon FILE | partgen parts FOLDER | partgen overview FILE\n");
  return 2;
}
