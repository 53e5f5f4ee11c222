// partgen icon FILE   writes the program icon
#include <cstdio>
#include <cstring>

#include "icon.h"

int main(int argc, char **argv) {
  if (argc == 3 && std::strcmp(argv[1], "icon") == 0) {
    if (WriteProgramIcon(argv[2])) return 0;
    std::fprintf(stderr, "partgen: cannot write %s\n", argv[2]);
    return 1;
  }
  std::fprintf(stderr, "usage: partgen icon FILE\n");
  return 2;
}
