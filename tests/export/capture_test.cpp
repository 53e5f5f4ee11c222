#include "capture.h"

#include <gtest/gtest.h>

#include "export_test_support.h"
#include "texts.h"

namespace {

TEST(Capture, CopiesTheRectanglePixelForPixel) {
  HWND window = CreatePatternWindow(1);
  ASSERT_EQ(CaptureCanvas(window, 7, 9, 80, 100, nullptr), 1);
  EXPECT_EQ(CapturedImage.width, 80);
  EXPECT_EQ(CapturedImage.height, 100);
  EXPECT_TRUE(BitmapShowsPattern(CapturedImage.bitmap, 1, 7, 9));
  ReleaseCapturedImage();
  DestroyWindow(window);
}

TEST(Capture, FailedCaptureSaysWhichCallFailedAndKeepsThePreviousPicture) {
  HWND window = CreatePatternWindow(1);
  ASSERT_EQ(CaptureCanvas(window, 0, 0, 80, 100, nullptr), 1);
  HBITMAP held = CapturedImage.bitmap;
  HWND gone = CreatePatternWindow(2);
  DestroyWindow(gone);
  struct Case {
    HWND window;
    int width, height;
    const char *caption;
  } cases[] = {{window, 0, 100, CAPTION_CREATE_BITMAP},
               {window, 80, -1, CAPTION_CREATE_BITMAP},
               {gone, 80, 100, CAPTION_GET_DC}};
  for (const Case &c : cases) {
    Failure failure = {};
    EXPECT_EQ(CaptureCanvas(c.window, 0, 0, c.width, c.height, &failure), 0);
    EXPECT_STREQ(failure.text, TEXT_FAILED);
    EXPECT_STREQ(failure.caption, c.caption);
    EXPECT_EQ(CapturedImage.bitmap, held);
  }
  EXPECT_TRUE(BitmapShowsPattern(CapturedImage.bitmap, 1, 0, 0));
  ReleaseCapturedImage();
  DestroyWindow(window);
}

}  // namespace
