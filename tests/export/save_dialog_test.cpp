#include "save_dialog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "export_test_support.h"
#include "portrait.h"
#include "texts.h"

namespace {

TEST(SaveDialog, RecordIsFilledForTheDialog) {
  wchar_t file[SAVE_PATH_SIZE] = L"x";
  OPENFILENAMEW record;
  std::memset(&record, 0xCC, sizeof record);
  HWND owner = reinterpret_cast<HWND>(0x1234);
  SaveDialogTexts texts = MakeSaveDialogTexts();
  FillSaveRecord(record, owner, file, texts);
  EXPECT_EQ(record.lStructSize, static_cast<DWORD>(OPENFILENAME_SIZE_VERSION_400W));
  EXPECT_EQ(record.hwndOwner, owner);
  const wchar_t filter[] = L"Bitmap(*.bmp)\0*.bmp\0AllFile(*.*)\0*.*\0";
  EXPECT_EQ(std::memcmp(record.lpstrFilter, filter, sizeof filter), 0);  // with the closing zero
  EXPECT_EQ(record.nFilterIndex, 1u);
  EXPECT_EQ(record.lpstrFile, file);
  EXPECT_EQ(record.nMaxFile, 256u);
  EXPECT_EQ(std::wstring(record.lpstrTitle), L"ファイルの保存");
  EXPECT_EQ(record.Flags, 0x80200u);
  EXPECT_EQ(record.hInstance, nullptr);
  EXPECT_EQ(record.lpstrCustomFilter, nullptr);
  EXPECT_EQ(record.nMaxCustFilter, 0u);
  EXPECT_EQ(record.lpstrFileTitle, nullptr);
  EXPECT_EQ(record.nMaxFileTitle, 0u);
  EXPECT_EQ(record.lpstrInitialDir, nullptr);
  EXPECT_EQ(record.nFileOffset, 0);
  EXPECT_EQ(record.nFileExtension, 0);
  EXPECT_EQ(record.lpstrDefExt, nullptr);
  EXPECT_EQ(record.lCustData, 0);
  EXPECT_EQ(record.lpfnHook, nullptr);
  EXPECT_EQ(record.lpTemplateName, nullptr);
}

TEST(SaveDialog, ProposalIsPhotBelowBaseDirWhenItFits) {
  std::string longest(240, 'a'), tooLong(241, 'a'), full(255, 'a');
  longest[1] = tooLong[1] = full[1] = ':';
  struct Case {
    std::string baseDir, proposal;
  } cases[] = {
      {"C:\\work", "C:\\work\\phot\\phot-.bmp"},
      {"C:\\", "C:\\phot\\phot-.bmp"},
      // The last character is 表, whose second byte is a backslash.
      {"C:\\\x95\x5C", "C:\\\x95\x5C\\phot\\phot-.bmp"},
      {longest, longest + "\\phot\\phot-.bmp"},
      {tooLong, "phot-.bmp"},
      {full, "phot-.bmp"},
  };
  for (const Case &c : cases) {
    BaseDirScope scope(c.baseDir);
    char proposal[SAVE_PATH_SIZE + 1];
    std::memset(proposal, 0x55, sizeof proposal);
    ProposeSavePath(proposal);
    EXPECT_EQ(std::string(proposal), c.proposal);
    EXPECT_LE(std::strlen(proposal), 255u);
    EXPECT_EQ(proposal[SAVE_PATH_SIZE - 1], 0);
    EXPECT_EQ(proposal[SAVE_PATH_SIZE], 0x55);  // nothing beyond the buffer
  }
}

TEST(SaveDialog, AFailedDialogIsShownAndACancelIsNot) {
  TempDir elsewhere;
  BaseDirScope scope(CurrentDirectory());
  wchar_t file[SAVE_PATH_SIZE] = L"phot-.bmp";
  OPENFILENAMEW record;
  HWND owner = CreatePatternWindow(1);
  {
    FailureLog log;
    SaveDialogTexts texts = MakeSaveDialogTexts();
    FillSaveRecord(record, owner, file, texts);
    record.lStructSize = 76;  // the 32-bit size: refused at once
    SetCurrentDirectoryA(elsewhere.path().c_str());
    EXPECT_EQ(RunSaveDialog(record), 0);
    ASSERT_EQ(log.entries().size(), 1u);
    EXPECT_EQ(log.entries()[0].owner, owner);
    EXPECT_EQ(log.entries()[0].text, TEXT_SAVE_NAME_REFUSED);
    EXPECT_EQ(log.entries()[0].caption, CAPTION_GET_SAVE_FILE_NAME);
    EXPECT_EQ(CurrentDirectory(), baseDir);
  }
  {
    FailureLog log;
    SaveDialogAnswer answer(nullptr);
    char path[SAVE_PATH_SIZE] = "untouched";
    EXPECT_EQ(AskSavePath(owner, path), 0);
    EXPECT_TRUE(answer.shown());
    EXPECT_STREQ(path, "untouched");
    EXPECT_TRUE(log.entries().empty());
  }
  DestroyWindow(owner);
}

}  // namespace
