#include "file_dialog.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <string>

#include "export_test_support.h"
#include "texts.h"

namespace {

TEST(FileDialog, PictureProposalIsPhotBelowBaseDirWhenItFits) {
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
    EXPECT_EQ(PictureSaveProposal(), c.proposal);
  }
}

TEST(FileDialog, ANameTakesTheChosenTypesExtension) {
  const struct {
    const wchar_t *name, *extension, *renamed;
  } cases[] = {
      {L"face.png", L"bmp", L"face.bmp"}, {L"face", L"bmp", L"face.bmp"},
      {L"a.b.PNG", L"png", L"a.b.png"},   {L"", L"bmp", L""},
      {L"C:\\x.y\\face", L"png", L"C:\\x.y\\face.png"},
  };
  for (const auto &c : cases) EXPECT_EQ(WithExtension(c.name, c.extension), c.renamed) << c.name;
  EXPECT_EQ(StemOf(L"portrait.nigaoe"), L"portrait");
}

HWND typeDialogOwner;
std::wstring nameAfterTypeChange;

// Chooses the second file type on the open dialog, as a user's click does,
// reads the name box and cancels.
void CALLBACK ChooseSecondType(HWND, UINT, UINT_PTR, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) -> BOOL {
        if (GetWindow(window, GW_OWNER) != typeDialogOwner || !GetDlgItem(window, cmb1)) return TRUE;
        *reinterpret_cast<HWND *>(found) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&dialog));
  if (!dialog || !nameAfterTypeChange.empty()) return;
  HWND types = GetDlgItem(dialog, cmb1);
  SendMessageW(types, CB_SETCURSEL, 1, 0);
  for (WORD note : {CBN_SELCHANGE, CBN_SELENDOK})
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb1, note), reinterpret_cast<LPARAM>(types));
  wchar_t name[MAX_PATH] = L"";
  GetDlgItemTextW(dialog, cmb13, name, MAX_PATH);
  nameAfterTypeChange = name[0] ? name : L"(empty)";
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

// The export's dialog: the type chosen renames the proposal.
TEST(FileDialog, ChoosingAFileTypeGivesTheProposedNameItsExtension) {
  typeDialogOwner = CreatePatternWindow(1);
  nameAfterTypeChange.clear();
  UINT_PTR timer = SetTimer(nullptr, 0, 50, ChooseSecondType);
  const wchar_t *const types[] = {L"png", L"bmp"};
  FileQuestion question = {typeDialogOwner, true, TEXT_EXPORT_TITLE, TEXT_EXPORT_FILTER, L"png", L"face.png",
                           std::wstring(), DIALOG_FILES, types};
  FileAnswer answer;
  EXPECT_EQ(askFile(question, &answer), 0);
  KillTimer(nullptr, timer);
  EXPECT_EQ(nameAfterTypeChange, L"face.bmp");
  DestroyWindow(typeDialogOwner);
}

}  // namespace
