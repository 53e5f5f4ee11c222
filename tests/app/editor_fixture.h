// A test on a real editor window: a fresh portrait, no history, nothing to
// save and no file; the window made and its first messages handled. After
// the test the window is gone and all of that put back.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "document.h"
#include "editor.h"
#include "editor_window.h"
#include "history.h"
#include "portrait.h"
#include "support/test_support.h"

class EditorTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetPortrait();
    ClearHistory();
    MarkPortraitSaved();
    window_ = CreateEditorWindow(appInstance);
    ASSERT_NE(window_, nullptr);
    PumpMessages();
  }
  void TearDown() override {
    if (IsWindow(window_)) DestroyWindow(window_);
    PumpMessages();
    portraitFilePath.clear();
    ClearHistory();
    ResetPortrait();
    MarkPortraitSaved();
  }
  std::wstring Title() const {
    wchar_t title[128] = L"";
    GetWindowTextW(window_, title, 128);
    return title;
  }

  HWND window_ = nullptr;
};
