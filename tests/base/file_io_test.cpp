#include "file_io.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/test_support.h"
#include "text.h"
#include "texts.h"

namespace {

std::vector<std::uint8_t> Bytes(const char *text) { return std::vector<std::uint8_t>(text, text + std::strlen(text)); }

TEST(FileWriting, TemporaryNameIsInTheChosenFolder) {
  std::wstring deep(250, L'd');
  struct Case {
    std::wstring path, temporary;
  } cases[] = {
      {L"C:\\out\\face.bmp", L"C:\\out\\~nigaoe-7.tmp"},
      {L"C:/out/face.bmp", L"C:/out/~nigaoe-7.tmp"},
      {L"face.bmp", L"~nigaoe-7.tmp"},
      {L"C:face.bmp", L"C:~nigaoe-7.tmp"},
      {L"C:\\out\\\u8868.bmp", L"C:\\out\\~nigaoe-7.tmp"},
      {L"C:\\" + deep + L"\\f.bmp", L""},
  };
  for (const Case &c : cases) EXPECT_TRUE(TemporarySavePath(c.path, 7) == c.temporary);
}

// Every file the program writes by replacing goes through here: a new or
// earlier file gets the whole content; a file that cannot be replaced (a
// read-only one, as on Windows, even where the platform's move would) keeps
// its bytes and attributes, and no temporary file is left.
TEST(FileWriting, ReplacesAnEarlierFileButNeverAReadOnlyOneAndLeavesNothingBehind) {
  TempDir folder;
  const std::vector<std::uint8_t> earlier = Bytes("a longer earlier content"), content = Bytes("new");
  WriteFileBytes(folder / "earlier.bmp", earlier);
  WriteFileBytes(folder / "read-only.bmp", earlier);
  SetFileAttributesA((folder / "read-only.bmp").c_str(), FILE_ATTRIBUTE_READONLY);
  WriteFileBytes(folder / "held.bmp", earlier);
  CreateDirectoryA((folder / "a folder").c_str(), nullptr);
  // Held open without sharing, as another program might.
  HANDLE held = CreateFileA((folder / "held.bmp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  struct Case {
    std::string name;
    const char *text, *caption;  // the failure, or none
  } cases[] = {
      {"new.bmp", nullptr, nullptr},
      {"earlier.bmp", nullptr, nullptr},
      {"read-only.bmp", TEXT_NOT_SAVED_READ_ONLY, CAPTION_MOVE_FILE},
      {"held.bmp", TEXT_NOT_SAVED, CAPTION_MOVE_FILE},
      {"a folder", TEXT_NOT_SAVED, CAPTION_MOVE_FILE},
      {"missing\\new.bmp", TEXT_NOT_SAVED, CAPTION_CREATE_FILE},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    std::string path = folder / c.name;
    DWORD attributes = GetFileAttributesA(path.c_str());
    Failure failure = {};
    EXPECT_EQ(WriteFileReplacing(SystemText(path.c_str()), content.data(), content.size(), &failure), !c.text);
    EXPECT_STREQ(failure.text, c.text);
    EXPECT_STREQ(failure.caption, c.caption);
    if (!c.text) {
      EXPECT_EQ(ReadFileBytes(path), content);
    }
    if (c.text && attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      EXPECT_EQ(GetFileAttributesA(path.c_str()), attributes);
      if (c.name != "held.bmp") {
        EXPECT_EQ(ReadFileBytes(path), earlier);
      }
    }
  }
  CloseHandle(held);
  EXPECT_EQ(ReadFileBytes(folder / "held.bmp"), earlier);
  EXPECT_EQ(FolderNames(folder.path()),
            (std::vector<std::string>{"a folder", "earlier.bmp", "held.bmp", "new.bmp", "read-only.bmp"}));
  SetFileAttributesA((folder / "read-only.bmp").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(FileReading, ReadsWholeFilesUpToTheLimitOnly) {
  TempDir folder;
  WriteFileBytes(folder / "four", Bytes("four"));
  WriteFileBytes(folder / "empty", {});
  struct Case {
    std::string name;
    DWORD limit;
    WholeFileRead result;
  } cases[] = {
      {"four", 4, WHOLE_FILE_READ},         {"empty", 0, WHOLE_FILE_READ},
      {"four", 3, WHOLE_FILE_TOO_LARGE},    {"missing", 4, WHOLE_FILE_UNREADABLE},
      {"", 4, WHOLE_FILE_UNREADABLE},  // the folder itself
  };
  for (const Case &c : cases) {
    std::string bytes = "untouched";
    EXPECT_EQ(ReadWholeFile(SystemText((folder / c.name).c_str()), c.limit, &bytes), c.result) << c.name;
    if (c.result == WHOLE_FILE_READ) {
      EXPECT_EQ(bytes, c.name == "four" ? "four" : "") << c.name;
    }
  }
}

}  // namespace
