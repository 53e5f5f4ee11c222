// Writes the seeds of the part-file target into the folder given: a file of
// every format the tests write, and the bundled parts of the program folder
// given.
#include <cstdio>
#include <filesystem>
#include <string>

#include "support/bmp_formats.h"

namespace fs = std::filesystem;

int main(int argc, char **argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <seed folder> <program folder>\n", argv[0]);
    return 2;
  }
  fs::path seeds = argv[1], program = argv[2];
  fs::create_directories(seeds);
  int n = 0;
  for (const BmpFormat &format : BmpFormats()) {
    std::vector<std::uint8_t> bytes = FormatBytes(format, 11);
    std::FILE *file = std::fopen((seeds / ("format-" + std::to_string(++n) + ".bmp")).c_str(), "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) return 1;
    std::fclose(file);
  }
  std::error_code error;
  fs::copy_file(program / "kao-1-001.bmp", seeds / "kao-1-001.bmp", fs::copy_options::overwrite_existing, error);
  if (error) return 1;
  for (const fs::directory_entry &entry : fs::directory_iterator(program / "kao"))
    if (entry.path().extension() == ".bmp")
      fs::copy_file(entry.path(), seeds / entry.path().filename(), fs::copy_options::overwrite_existing);
  return 0;
}
