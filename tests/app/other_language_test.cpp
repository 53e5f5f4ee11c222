// Run by ctest under a locale whose ANSI code page is not 932: the editor's
// labels and the program's messages must still read as the Japanese they
// are, through the platform's Unicode calls.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "editor.h"
#include "failure.h"
#include "resource.h"
#include "support/test_support.h"
#include "texts.h"

namespace {

// The texts of a message box's static controls.
BOOL CALLBACK CollectTexts(HWND child, LPARAM texts) {
  wchar_t className[16] = {0}, text[256] = {0};
  GetClassNameW(child, className, 16);
  if (std::wstring(className) == L"Static" && GetWindowTextW(child, text, 256))
    *reinterpret_cast<std::wstring *>(texts) += text;
  return TRUE;
}

TEST(OtherLanguage, LabelsAndMessagesReadRightUnderAnotherCodePage) {
  ASSERT_NE(GetACP(), 932u) << "meant to run under a locale whose code page is not 932";
  HWND window = CreateEditorWindow(appInstance);
  ASSERT_NE(window, nullptr);
  wchar_t text[64] = {0};
  GetDlgItemTextW(window, IDC_CATEGORY_OTHER, text, 64);
  EXPECT_EQ(std::wstring(text), L"その他");
  GetWindowTextW(window, text, 64);
  EXPECT_EQ(std::wstring(text), L"似顔絵ソフト　Ver1.00");

  // A real message box, read back and closed from another thread.
  std::wstring shown;
  std::thread reader([&shown] {
    for (int tries = 0; tries < 200; ++tries, Sleep(25)) {
      HWND box = FindWindowW(L"#32770", L"CreateCompatibleDC");
      if (!box) continue;
      EnumChildWindows(box, CollectTexts, reinterpret_cast<LPARAM>(&shown));
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      return;
    }
  });
  ShowFailure(window, TEXT_FAILED, CAPTION_CREATE_DC);
  reader.join();
  EXPECT_EQ(shown, L"失敗しました。");
  DestroyWindow(window);
  PumpMessages();
}

}  // namespace
