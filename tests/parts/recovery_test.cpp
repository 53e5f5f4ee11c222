// The program in its folder, ended without a clean close while its portrait
// has changes: the next start offers the portrait back and restores it.
#include "recovery.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document.h"
#include "editor.h"
#include "history.h"
#include "palette.h"
#include "portrait.h"
#include "resource.h"
#include "text.h"
#include "support/test_support.h"

namespace {

int offers;
int AcceptOffer(HWND, const std::wstring &) {
  ++offers;
  return IDYES;
}

std::vector<std::string> RecoveryFiles() {
  std::vector<std::string> files;
  for (const std::string &name : FolderNames(Utf8Text(RecoveryFolder())))
    if (name.find(".nigaoe-recovery") != std::string::npos) files.push_back(name);
  return files;
}

struct ChildEditor {
  DWORD process;
  HWND window;
};
BOOL CALLBACK FindEditor(HWND window, LPARAM found) {
  auto *child = reinterpret_cast<ChildEditor *>(found);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != child->process || !GetDlgItem(window, IDC_CATEGORY_FACE)) return TRUE;
  child->window = window;
  return FALSE;
}

// Ends a started editor that is still running and closes its handles, on
// every way out of the test: a failed assertion must leave no editor behind.
struct ChildProcess {
  PROCESS_INFORMATION info;
  ~ChildProcess() {
    if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(info.hProcess, 1);
      WaitForSingleObject(info.hProcess, 10000);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
};

// The same steps, sent to this process's editor or posted to another's.
void MakePortrait(HWND editor, bool post) {
  auto send = [editor, post](UINT message, WPARAM w, LPARAM l) {
    if (post) {
      PostMessageA(editor, message, w, l);
      Sleep(100);
    } else {
      SendMessageA(editor, message, w, l);
    }
  };
  auto choose = [&](unsigned category, int cell) {
    send(WM_COMMAND, category, 0);
    send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(PaletteCellLeft(cell) + CELL_WIDTH / 2, CELL_TOP + CELL_HEIGHT / 2));
    send(WM_LBUTTONUP, 0, 0);
  };
  choose(IDC_CATEGORY_FACE, 1);
  choose(IDC_CATEGORY_NOSE, 2);
  for (int i = 0; i < 3; ++i) send(WM_COMMAND, IDC_MOVE_RIGHT, 0);
  choose(IDC_CATEGORY_EYES, 1);
}

std::vector<Bgr> Canvas(HWND editor) {
  std::vector<Bgr> pixels;
  HDC dc = GetDC(editor);
  for (int y = 0; y < CANVAS_HEIGHT; ++y)
    for (int x = 0; x < CANVAS_WIDTH; ++x) pixels.push_back(PixelAt(dc, canvasX + x, canvasY + y));
  ReleaseDC(editor, dc);
  return pixels;
}

TEST(Recovery, AKilledEditorsPortraitIsOfferedBackAtTheNextStartAndRestored) {
  ASSERT_FALSE(RecoveryFolder().empty());
  for (const std::string &name : RecoveryFiles()) DeleteFileW((RecoveryFolder() + L"\\" + FromUtf8(name)).c_str());
  ScopedSwap<RecoveryAsker> asker(askRecover, AcceptOffer);
  offers = 0;

  STARTUPINFOW start = {};
  start.cb = sizeof start;
  PROCESS_INFORMATION child = {};
  wchar_t command[] = L"nigaoe.exe";
  ASSERT_TRUE(CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &child));
  ChildProcess guard = {child};
  ChildEditor found = {child.dwProcessId, nullptr};
  for (int waited = 0; !found.window && waited < 200; ++waited) {
    Sleep(50);
    EnumWindows(FindEditor, reinterpret_cast<LPARAM>(&found));
  }
  ASSERT_NE(found.window, nullptr) << "the editor did not open";
  MakePortrait(found.window, true);
  std::vector<std::string> kept;
  for (int waited = 0; kept.empty() && waited < 100; ++waited) {
    Sleep(50);
    kept = RecoveryFiles();
  }
  ASSERT_EQ(kept.size(), 1u) << "kept within a few seconds of the change";
  Sleep(2 * RECOVERY_INTERVAL_MS);  // the last change kept too

  // The portrait made here, the same way, for comparison.
  ResetPortrait();
  ClearHistory();
  MarkPortraitSaved();
  HWND editor = CreateEditorWindow(appInstance);
  ASSERT_NE(editor, nullptr);
  MakePortrait(editor, false);
  std::string expectedText = PortraitText();
  std::vector<Bgr> expectedCanvas = Canvas(editor);
  ResetPortrait();
  ClearHistory();
  MarkPortraitSaved();

  EXPECT_EQ(OfferRecovery(editor), 0) << "a running editor's file is its own";
  EXPECT_EQ(offers, 0);
  TerminateProcess(child.hProcess, 1);
  WaitForSingleObject(child.hProcess, 10000);

  ASSERT_EQ(OfferRecovery(editor), 1);
  EXPECT_EQ(offers, 1);
  EXPECT_EQ(PortraitText(), expectedText);
  RepaintEditor(editor);
  EXPECT_TRUE(Canvas(editor) == expectedCanvas) << "the same canvas";
  EXPECT_TRUE(PortraitChanged());
  wchar_t title[128] = L"";
  GetWindowTextW(editor, title, 128);
  EXPECT_EQ(std::wstring(title), L"*" + ProgramCaption(editor));
  EXPECT_TRUE(RecoveryFiles().empty()) << "offered once";
  EXPECT_EQ(OfferRecovery(editor), 0);
  EXPECT_EQ(offers, 1);

  DestroyWindow(editor);
  PumpMessages();
  ResetPortrait();
  ClearHistory();
  MarkPortraitSaved();
}

}  // namespace
