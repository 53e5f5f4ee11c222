#include "preview.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands.h"
#include "capture.h"
#include "export_test_support.h"
#include "portrait.h"
#include "resource.h"

namespace {

class Preview : public testing::Test {
 protected:
  void SetUp() override { ResetPortrait(); }
  void TearDown() override {
    for (HWND window : windows_)
      if (IsWindow(window)) DestroyWindow(window);
    PumpMessages();
    ReleaseCapturedImage();
    ResetPortrait();
  }
  HWND Keep(HWND window) {
    windows_.push_back(window);
    return window;
  }
  static void Command(HWND window, unsigned id) {
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  }

  std::vector<HWND> windows_;
};

BOOL CALLBACK CollectPreview(HWND window, LPARAM list) {
  char caption[64] = {0};
  GetWindowTextA(window, caption, sizeof caption);
  if (std::string(caption) == "画像の取込後保存") reinterpret_cast<std::vector<HWND> *>(list)->push_back(window);
  return TRUE;
}

TEST_F(Preview, SaveCommandOpensAPreviewOfTheCanvasOnEveryPress) {
  FailureLog log;
  HWND editor = Keep(CreatePatternWindow(3, 300, 250));
  canvasX = 30;
  canvasY = 20;
  canvasWidth = 140;  // the capture is 80 x 100 whatever the canvas size
  HandleEditorCommand(editor, IDC_SAVE);
  HandleEditorCommand(editor, IDC_SAVE);
  PumpMessages();

  std::vector<HWND> previews;
  EnumThreadWindows(GetCurrentThreadId(), CollectPreview, reinterpret_cast<LPARAM>(&previews));
  ASSERT_EQ(previews.size(), 2u);
  EXPECT_EQ(openPreviews, 2);
  for (HWND preview : previews) {
    Keep(preview);
    EXPECT_EQ(GetWindow(preview, GW_OWNER), editor);
    EXPECT_TRUE(IsWindowVisible(preview));
    EXPECT_TRUE(WindowShowsPattern(preview, 3, 30, 20));
  }
  EXPECT_TRUE(log.entries().empty());
}

TEST_F(Preview, EveryOpenPreviewPaintsTheLatestCaptureUntilTheLastCloses) {
  HWND first = Keep(CreatePatternWindow(4));
  HWND second = Keep(CreatePatternWindow(5));
  HWND previewA = Keep(OpenCapturePreview(first));
  HBITMAP firstBitmap = CapturedImage.bitmap;
  HWND previewB = Keep(OpenCapturePreview(second));
  ASSERT_TRUE(previewA && previewB);
  HBITMAP secondBitmap = CapturedImage.bitmap;
  EXPECT_NE(secondBitmap, firstBitmap);
  EXPECT_EQ(GetObjectType(firstBitmap), 0u);  // released by the capture that replaced it
  EXPECT_TRUE(WindowShowsPattern(previewA, 5, 40, 45));
  EXPECT_TRUE(WindowShowsPattern(previewB, 5, 40, 45));

  // The close box of one leaves the other painting a live bitmap.
  SendMessageA(previewB, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(previewB));
  EXPECT_EQ(openPreviews, 1);
  EXPECT_EQ(GetObjectType(secondBitmap), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_TRUE(WindowShowsPattern(previewA, 5, 40, 45));

  SendMessageA(previewA, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(previewA));
  EXPECT_EQ(openPreviews, 0);
  EXPECT_EQ(GetObjectType(secondBitmap), 0u);
  EXPECT_EQ(CapturedImage.bitmap, nullptr);
}

TEST_F(Preview, EndsOnlyByItsButtonsAndCloseBox) {
  HWND editor = Keep(CreatePatternWindow(6));
  HWND preview = Keep(OpenCapturePreview(editor));
  ASSERT_NE(preview, nullptr);
  // Enter and Escape reach a dialog as IDOK and IDCANCEL; the editor's ids
  // do nothing here either.
  for (unsigned id : {IDOK, IDCANCEL, IDC_SAVE, IDC_CLOSE}) Command(preview, id);
  PumpMessages();
  EXPECT_TRUE(IsWindowVisible(preview));

  Command(preview, IDC_PREVIEW_CANCEL);
  EXPECT_FALSE(IsWindow(preview));
  EXPECT_EQ(openPreviews, 0);
  EXPECT_EQ(CapturedImage.bitmap, nullptr);

  // The save button ends the preview also when the dialog is cancelled.
  preview = Keep(OpenCapturePreview(editor));
  {
    FailureLog log;
    SaveDialogAnswer answer(nullptr);
    Command(preview, IDC_PREVIEW_SAVE);
    EXPECT_TRUE(answer.shown());
    EXPECT_EQ(answer.owner(), preview);
    EXPECT_TRUE(log.entries().empty());
  }
  EXPECT_FALSE(IsWindow(preview));
  EXPECT_EQ(openPreviews, 0);
}

}  // namespace
