#include "catalogue.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>

#include "support/test_support.h"

namespace {

// Points baseDir at a fresh folder and puts baseDir, the catalogue and the
// current directory back afterwards.
class PartScan : public testing::Test {
 protected:
  void SetUp() override {
    GetCurrentDirectoryA(sizeof savedDir_, savedDir_);
    lstrcpynA(baseDir, dir_.path().c_str(), sizeof baseDir);
    CreateDirectoryA((dir_ / "kao").c_str(), nullptr);
  }
  void TearDown() override { SetCurrentDirectoryA(savedDir_); }
  void Touch(const std::string &name) { WriteFileBytes(dir_ / ("kao\\" + name), {'B', 'M'}); }
  // Makes a file whose full path is longer than the ANSI calls take.
  bool TouchLong(const std::string &name) {
    std::string path = "\\\\?\\" + (dir_ / ("kao\\" + name));
    wchar_t wide[1024];
    if (!MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, 1024)) return false;
    HANDLE file = CreateFileW(wide, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
  }
  TempDir dir_;
  char savedDir_[MAX_PATH];
  ScopedSwap<char[DIR_PATH_SIZE]> keepBase_{baseDir};
  ScopedSwap<char[PART_LIST_SIZE][DIR_PATH_SIZE]> keepList_{PartList};
  ScopedSwap<int> keepCategory_{currentCategory}, keepCount_{partCount};
};

TEST_F(PartScan, ListsTheCategorysFilesWithTheFolderPrefix) {
  Touch("kao-3-001.bmp");
  Touch("kao-3-abc.bmp");
  Touch("kao-b-001.bmp");
  Touch("kao-3-002.txt");
  Touch("kao-30-001.bmp");  // a name that only looks like category 3
  currentCategory = CAT_EYES;
  ScanPartFolder();
  std::set<std::string> listed(PartList, PartList + partCount);
  EXPECT_EQ(listed, (std::set<std::string>{"kao\\kao-3-001.bmp", "kao\\kao-3-abc.bmp"}));

  currentCategory = CAT_HAIR;  // written as the hexadecimal digit b
  ScanPartFolder();
  ASSERT_EQ(partCount, 1);
  EXPECT_STREQ(PartList[0], "kao\\kao-b-001.bmp");
}

TEST_F(PartScan, ListsAtMostNinetyNineAndLeavesTheLastEntryUnfilled) {
  for (int i = 0; i < 150; ++i) Touch("kao-5-" + std::to_string(1000 + i) + ".bmp");
  std::memset(PartList[99], 0, DIR_PATH_SIZE);
  currentCategory = CAT_NOSE;
  ScanPartFolder();
  EXPECT_EQ(partCount, 99);
  EXPECT_EQ(PartList[99][0], '\0');
  std::set<std::string> distinct(PartList, PartList + partCount);
  EXPECT_EQ(distinct.size(), 99u);
}

TEST_F(PartScan, EmptyOrMissingFoldersListNothing) {
  currentCategory = CAT_MOUTH;
  ScanPartFolder();
  EXPECT_EQ(partCount, 0);
  RemoveDirectoryA((dir_ / "kao").c_str());
  Touch("kao-6-001.bmp");  // fails: there is no folder to hold it
  ScanPartFolder();
  EXPECT_EQ(partCount, 0);
}

TEST_F(PartScan, ScanMakesBaseDirTheCurrentDirectory) {
  SetCurrentDirectoryA("C:\\");
  currentCategory = CAT_FACE;
  ScanPartFolder();
  char current[MAX_PATH];
  GetCurrentDirectoryA(sizeof current, current);
  EXPECT_EQ(lstrcmpiA(current, baseDir), 0);
}

TEST_F(PartScan, OddNamesAreListedUnchangedOrSkippedSafely) {
  // Code page 932 names whose trail bytes are backslashes: ソ is 83 5C, 表 95 5C.
  const std::string so = "kao-7-\x83\x5C.bmp", table = "kao-7-\x95\x5C\x95\x5C.bmp";
  Touch(so);
  Touch(table);
  CreateDirectoryA((dir_ / "kao\\kao-7-folder.bmp").c_str(), nullptr);
  // A name of 252 characters does not fit an entry behind "kao\"; 251 does.
  std::string longest = "kao-7-" + std::string(251 - 10, 'x') + ".bmp";
  std::string tooLong = "kao-7-" + std::string(252 - 10, 'y') + ".bmp";
  ASSERT_TRUE(TouchLong(longest));
  ASSERT_TRUE(TouchLong(tooLong));

  currentCategory = CAT_EARS;
  ScanPartFolder();
  std::set<std::string> listed(PartList, PartList + partCount);
  EXPECT_EQ(listed, (std::set<std::string>{"kao\\" + so, "kao\\" + table, "kao\\kao-7-folder.bmp",
                                           "kao\\" + longest}));
}

TEST_F(PartScan, ABaseDirTooLongForThePatternFindsNothing) {
  std::memset(baseDir, 'a', sizeof baseDir - 1);
  baseDir[sizeof baseDir - 1] = '\0';
  std::memset(PartList, 0x7F, sizeof PartList);
  currentCategory = CAT_FACE;
  ScanPartFolder();
  EXPECT_EQ(partCount, 0);
  EXPECT_EQ(PartList[0][0], 0x7F) << "nothing was written";
}

TEST(BasePath, JoinsWithOneSeparatorAndRespectsTheLimit) {
  ScopedSwap keepBase(baseDir);
  struct Case {
    const char *base, *relative, *want;
  } cases[] = {
      {"C:\\work", "kao\\kao-1-001.bmp", "C:\\work\\kao\\kao-1-001.bmp"},
      {"C:\\", "kao-1-001.bmp", "C:\\kao-1-001.bmp"},
      {"C:\\\x95\x5C", "kao", "C:\\\x95\x5C\\kao"},  // 表 ends in a trail byte 5C
  };
  for (const Case &c : cases) {
    lstrcpynA(baseDir, c.base, sizeof baseDir);
    char out[MAX_PATH];
    ASSERT_EQ(MakeBasePath(out, sizeof out, c.relative), 1) << c.base;
    EXPECT_STREQ(out, c.want);
  }
  lstrcpynA(baseDir, ("C:\\" + std::string(240, 'd')).c_str(), sizeof baseDir);
  char out[MAX_PATH] = "unchanged";
  EXPECT_EQ(MakeBasePath(out, sizeof out, "kao\\kao-1-001.bmp"), 0);
  EXPECT_STREQ(out, "");
  char small[8];
  lstrcpynA(baseDir, "C:\\work", sizeof baseDir);
  EXPECT_EQ(MakeBasePath(small, sizeof small, "kao"), 0);
}

TEST(ReplaceSubstringTest, ReplacesTheFirstOccurrenceOnly) {
  struct Case {
    const char *text, *find, *replacement, *want;
    int result;
  } cases[] = {
      {"kao\\kao-b-003.bmp", "kao-b-", "kao-0-", "kao\\kao-0-003.bmp", 1},
      {"kao\\kao-3-001.bmp", "kao-b-", "kao-0-", "kao\\kao-3-001.bmp", 0},
      {"kao-b-kao-b-.bmp", "kao-b-", "kao-0-", "kao-0-kao-b-.bmp", 1},
      {"abc", "", "x", "abc", 0},
      {"abcdef", "cd", "XYZW", "abXYZWef", 1},  // longer: the tail moves right
      {"abcdef", "bcd", "", "aef", 1},          // shorter: the tail moves left
  };
  for (const Case &c : cases) {
    char text[64] = {0};
    std::strcpy(text, c.text);
    EXPECT_EQ(ReplaceSubstring(text, c.find, c.replacement), c.result) << c.text;
    EXPECT_STREQ(text, c.want);
  }
}

}  // namespace
