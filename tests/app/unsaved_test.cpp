#include "unsaved.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "document.h"
#include "editor.h"
#include "editor_fixture.h"
#include "history.h"
#include "palette.h"
#include "recovery.h"
#include "resource.h"
#include "text.h"
#include "render/render_fixtures.h"
#include "support/test_support.h"

namespace {

int promptAnswer;
int prompts;
int AnswerPrompt(HWND, const std::wstring &) {
  ++prompts;
  return promptAnswer;
}

class UnsavedWork : public EditorTest {
 protected:
  void SetUp() override {
    prompts = 0;
    EditorTest::SetUp();
    folder_.Write("kao\\kao-5-001.bmp", 10, 10, [](int, int) { return BLACK; });
  }
  void Command(unsigned id) { SendMessageA(window_, WM_COMMAND, id, 0); }
  // The nose placed from the palette, as a click places it.
  void PlaceNose() {
    Command(IDC_CATEGORY_NOSE);
    SendMessageA(window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(PaletteCellLeft(0) + 2, CELL_TOP + 2));
    SendMessageA(window_, WM_LBUTTONUP, 0, 0);
  }

  PartFolder folder_;
  ScopedSwap<SaveChangesAsker> asker_{askSaveChanges, AnswerPrompt};
  ScopedSwap<std::wstring> path_{portraitFilePath};
};

TEST_F(UnsavedWork, AFreshEditorHasNothingToUndoRedoOrSaveAndNoFocusOnClose) {
  // Active again, the dialog gives the focus back to the control it holds
  // it for (another test's editor starting beside this one may have taken
  // the activation).
  SetForegroundWindow(window_);
  SetActiveWindow(window_);
  PumpMessages();
  EXPECT_EQ(GetFocus(), GetDlgItem(window_, IDC_CATEGORY_FACE));
  HMENU file = GetSubMenu(GetMenu(window_), 0), edit = GetSubMenu(GetMenu(window_), 1);
  SendMessageA(window_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
  SendMessageA(window_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit), 1);
  EXPECT_TRUE(GetMenuState(file, IDC_SAVE_PORTRAIT, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(GetMenuState(edit, IDC_UNDO, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(GetMenuState(edit, IDC_REDO, MF_BYCOMMAND) & MF_GRAYED);
  PlaceNose();
  SendMessageA(window_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
  SendMessageA(window_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit), 1);
  EXPECT_FALSE(GetMenuState(file, IDC_SAVE_PORTRAIT, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(GetMenuState(edit, IDC_UNDO, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(GetMenuState(edit, IDC_REDO, MF_BYCOMMAND) & MF_GRAYED);
  // A close with nothing changed asks nothing.
  Command(IDC_UNDO);
  SendMessageA(window_, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_EQ(prompts, 0);
}

TEST_F(UnsavedWork, TheAnswerToSaveChangesDecidesWhetherTheEditorEnds) {
  const struct {
    int answer;
    bool ends;
    bool written;
  } cases[] = {{IDCANCEL, false, false}, {IDNO, true, false}, {IDYES, true, true}};
  std::wstring path = SystemText((folder_ / "顔.nigaoe").c_str());
  for (const auto &c : cases) {
    if (!IsWindow(window_)) SetUp();
    PlaceNose();
    ASSERT_EQ(Title(), L"*" + ProgramCaption(window_));
    portraitFilePath = path;
    std::string expected = PortraitText();
    DeleteFileW(path.c_str());
    PortraitState before = CurrentPortrait();
    promptAnswer = c.answer;
    prompts = 0;
    Command(IDC_CLOSE);
    EXPECT_EQ(prompts, 1) << c.answer;
    EXPECT_EQ(!IsWindow(window_), c.ends) << c.answer;
    EXPECT_TRUE(SamePortrait(before, CurrentPortrait())) << c.answer;
    std::vector<std::uint8_t> bytes = ReadFileBytes(folder_ / "顔.nigaoe");
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), c.written ? expected : "") << c.answer;
    portraitFilePath.clear();
  }
}

TEST_F(UnsavedWork, ANewPortraitAndAStartFileComeAfterTheQuestion) {
  PlaceNose();
  promptAnswer = IDCANCEL;
  EXPECT_EQ(SendMessageA(window_, WM_QUERYENDSESSION, 0, 0), FALSE) << "the session waits";
  Command(IDC_NEW_PORTRAIT);
  FailureLog failures;
  OpenStartFile(window_, L"nigaoe.exe other.nigaoe");  // a file opened by a double-click after a restore
  EXPECT_TRUE(failures.entries().empty()) << "not even looked for";
  EXPECT_EQ(LayerTable[CAT_NOSE].mode, MODE_SINGLE) << "cancelled";
  promptAnswer = IDNO;
  Command(IDC_NEW_PORTRAIT);
  EXPECT_EQ(prompts, 4);
  PortraitState fresh = CurrentPortrait();
  ResetPortrait();
  EXPECT_TRUE(SamePortrait(fresh, CurrentPortrait()));
  EXPECT_EQ(currentCategory, 0);
  EXPECT_FALSE(CanUndo());
  EXPECT_EQ(Title(), ProgramCaption(window_));
}

TEST(RecoveryText, KeepsThePathAndThePortraitAndRefusesAnythingElse) {
  std::wstring path;
  std::string portrait;
  ASSERT_TRUE(ReadRecoveryText(RecoveryText(L"C:\\似顔絵\\a.nigaoe", "nigaoe-portrait 1\n"), &path, &portrait));
  EXPECT_EQ(path, L"C:\\似顔絵\\a.nigaoe");
  EXPECT_EQ(portrait, "nigaoe-portrait 1\n");
  for (const char *broken : {"", "nigaoe-recovery 1", "nigaoe-recovery 2\n\n", "nigaoe-portrait 1\n\nend\n",
                             "nigaoe-recovery 1\na\tb\n", "nigaoe-recovery 1\n\xff\xfe\n"})
    EXPECT_FALSE(ReadRecoveryText(broken, &path, &portrait)) << broken;
}

}  // namespace
