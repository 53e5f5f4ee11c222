#include "paint_failure.h"

#include <gtest/gtest.h>

#include "render/render_fixtures.h"

namespace {

TEST(ShowPaintFailure, ShowsTheFirstMessageOfAPaintOnly) {
  FailureLog recorder;
  for (int paint = 0; paint < 2; ++paint) {
    BeginPaintFailures();
    ShowPaintFailure(nullptr, {"first", "a"});
    ShowPaintFailure(nullptr, {"second", "b"});
    EndPaintFailures();
  }
  ASSERT_EQ(recorder.entries().size(), 2u);
  EXPECT_EQ(recorder.entries()[1].text, "first");
}

// The message box's own loop paints the window again: that paint must not
// show a message, nor let the outer paint show a second one afterwards.
TEST(ShowPaintFailure, APaintInsideTheOpenBoxShowsNothingAndEndsNothing) {
  FailureLog recorder;
  static int boxes = 0;
  boxes = 0;
  ScopedSwap<FailureReporter> reporter(failureReporter, [](HWND, const char *, const char *) {
    ++boxes;
    BeginPaintFailures();
    ShowPaintFailure(nullptr, {"nested", "n"});
    EndPaintFailures();
  });
  BeginPaintFailures();
  ShowPaintFailure(nullptr, {"outer", "o"});
  ShowPaintFailure(nullptr, {"outer again", "o"});
  EndPaintFailures();
  EXPECT_EQ(boxes, 1);
  BeginPaintFailures();
  ShowPaintFailure(nullptr, {"next paint", "o"});
  EXPECT_EQ(boxes, 2);
  EndPaintFailures();
}

}  // namespace
