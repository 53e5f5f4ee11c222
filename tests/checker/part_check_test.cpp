#include "part_check.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>

#include "catalogue.h"
#include "support/test_support.h"

namespace {

// The line of the report for file, without the newline; empty when none.
std::string LineOf(const std::string &report, const std::string &file) {
  std::istringstream lines(report);
  for (std::string line; std::getline(lines, line);)
    if (line.compare(0, file.size() + 2, file + ": ") == 0) return line;
  return "";
}

// A name too long for an entry of the part list makes a path beyond
// MAX_PATH, which only the wide calls reach, in their \\?\ form.
std::wstring LongPath(const std::string &path) {
  wchar_t wide[1024];
  int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, 1024);
  return L"\\\\?\\" + std::wstring(wide, length > 0 ? length - 1 : 0);
}

}  // namespace

TEST(CheckProgramFolder, FindsNothingInTheBundledLibrary) {
  ASSERT_EQ(UseProgramFolder("."), "");
  PartCheck check = CheckProgramFolder();
  EXPECT_GT(check.filesRead, 100);
  EXPECT_TRUE(check.findings.empty()) << FormatPartCheck(check);
  EXPECT_FALSE(AnySkipped(check));
}

TEST(CheckProgramFolder, ReportsEachFaultOnTheLineOfItsFile) {
  TempDir temp;
  // 表 and ソ end in the byte of a backslash in code page 932.
  const std::string folder = temp / "表ソ";
  CreateDirectoryA(folder.c_str(), nullptr);
  CreateDirectoryA((folder + "\\kao").c_str(), nullptr);
  auto lines = [](int, int y) { return y % 2 ? BLACK : WHITE; };
  auto write = [&](const std::string &file, int width, int height, Bgr colour) {
    WriteTestBmp(folder + "\\" + file, width, height,
                 [&](int x, int y) { return x == 1 ? colour : lines(x, y); });
  };
  // One more file than the palette lists; which one is left out depends on
  // the file system's order.
  for (int i = 0; i < 100; ++i) WriteTestBmp(folder + "\\kao\\kao-4-" + std::to_string(100 + i) + ".bmp", 8, 4, lines);
  write("kao\\kao-b-long.bmp", 80, 100, BLACK);
  write("kao\\KAO-B-UPPER.bmp", 80, 100, BLACK);
  write("kao\\kao-0-lonely.bmp", 80, 100, BLACK);
  write("kao\\kao-d-001.bmp", 8, 4, BLACK);
  write("kao\\kao-8-001.bmp", 8, 4, BLACK);
  write("kao\\kao-5-big.bmp", 90, 4, BLACK);
  write("kao\\kao-6-口ソ.bmp", 8, 4, {10, 14, 12});
  write("kao\\kao-7-halo.bmp", 8, 4, {250, 240, 255});
  write("kao\\kao-1-nofill.bmp", 8, 4, BLACK);
  WriteTestBmp(folder + "\\kao\\kao-c-blank.bmp", 8, 4, [](int, int) { return WHITE; });
  std::vector<std::uint8_t> bytes = ReadFileBytes(folder + "\\kao\\kao-d-001.bmp");
  bytes[30] = BI_RLE8;
  WriteFileBytes(folder + "\\kao\\kao-3-rle.bmp", bytes);
  bytes[30] = BI_RGB;
  bytes.pop_back();
  WriteFileBytes(folder + "\\kao\\kao-3-cut.bmp", bytes);
  const std::string longName = "kao-3-" + std::string(PART_NAME_MAX + 1 - 10, 'n') + ".bmp";
  std::wstring longPath = LongPath(folder + "\\kao\\" + longName);
  HANDLE file = CreateFileW(longPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);

  const struct {
    std::string file;
    bool skipped;
    std::string said;
  } faults[] = {
      {"kao-1-001.bmp", true, "missing"},
      {"kao\\kao-4-*.bmp", true, "100 files of category 4 (eyebrows)"},
      {"kao\\kao-d-001.bmp", true, "not a part name"},
      {"kao\\kao-8-001.bmp", true, "always greyed out"},
      {"kao\\kao-3-rle.bmp", true, "compressed"},
      {"kao\\kao-3-cut.bmp", true, "cut short"},
      {"kao\\" + longName, true, std::to_string(PART_NAME_MAX + 1) + " bytes long"},
      {"kao\\kao-0-lonely.bmp", true, "no hair in the palette leads to this back hair"},
      {"kao\\kao-b-long.bmp", false, "no back hair kao\\kao-0-long.bmp"},
      {"kao\\KAO-B-UPPER.bmp", false, "lacks a lower-case \"kao-b-\""},
      {"kao\\kao-5-big.bmp", false, "90 x 4 pixels, larger than the 80 x 100 canvas"},
      {"kao\\kao-6-口ソ.bmp", false, "4 pixels near black, keeping their grey"},
      {"kao\\kao-7-halo.bmp", false, "4 pixels near white, not transparent"},
      {"kao\\kao-1-nofill.bmp", false, "no fill"},
      {"kao\\kao-c-blank.bmp", false, "draws nothing"},
  };
  ASSERT_EQ(UseProgramFolder((folder + "\\").c_str()), "");
  EXPECT_EQ(std::string(baseDir), folder);
  PartCheck check = CheckProgramFolder();
  std::string report = FormatPartCheck(check);
  DeleteFileW(longPath.c_str());
  for (const auto &fault : faults) {
    std::string line = LineOf(report, fault.file);
    EXPECT_NE(line.find(fault.said), std::string::npos) << fault.file << "\n" << report;
    EXPECT_EQ(line.find("not shown") != std::string::npos, fault.skipped) << line;
  }
  // A line for each fault, one for the eyebrows left out, and the summary:
  // the well-formed files have nothing to report.
  EXPECT_EQ(static_cast<std::size_t>(std::count(report.begin(), report.end(), '\n')), std::size(faults) + 2)
      << report;
  EXPECT_TRUE(AnySkipped(check));
}
