// Fixtures of the capture and export tests: a window showing known pixels,
// a recorder of failure messages, and an answer to the Save-As dialog given
// from inside the dialog's own message loop, so that no person is needed.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"

// The colour the pattern window shows at client pixel (x, y) for a seed:
// every pixel of the rectangles the tests copy differs from its neighbours.
Bgr PatternPixel(int seed, int x, int y);

// A visible top-level window of the given client size that paints
// PatternPixel(seed, x, y) on every WM_PAINT. The caller destroys it.
HWND CreatePatternWindow(int seed, int width = 200, int height = 200);


// Answers the next Save-As dialog this thread shows: types name into its
// file name box and presses save, or presses cancel when name is null. Ends
// any dialog still open after a few seconds, so a test never waits for a
// person. The destructor stops answering.
class SaveDialogAnswer {
 public:
  explicit SaveDialogAnswer(const char *name);
  // Types each name in turn and presses save after each: a folder's name
  // moves the dialog into it.
  explicit SaveDialogAnswer(const std::vector<std::string> &names);
  ~SaveDialogAnswer();
  SaveDialogAnswer(const SaveDialogAnswer &) = delete;
  SaveDialogAnswer &operator=(const SaveDialogAnswer &) = delete;
  bool shown() const;           // the dialog appeared
  HWND owner() const;           // the window that owned it
  std::string proposal() const; // the name box as the dialog opened
};

// Whether the 80 x 100 pixels from (0, 0) of dc are those of the pattern of
// seed from (fromX, fromY); the first pixel that differs when not.
testing::AssertionResult ShowsPattern(HDC dc, int seed, int fromX, int fromY);

// The same for a window after a full repaint, and for a bitmap that is in
// no device context.
testing::AssertionResult WindowShowsPattern(HWND window, int seed, int fromX, int fromY);
testing::AssertionResult BitmapShowsPattern(HBITMAP bitmap, int seed, int fromX, int fromY);

// The current directory.
std::string CurrentDirectory();

// Sets baseDir for one test; puts it back, and makes it the current
// directory again, when it goes.
class BaseDirScope {
 public:
  explicit BaseDirScope(const std::string &directory);
  ~BaseDirScope();
  BaseDirScope(const BaseDirScope &) = delete;
  BaseDirScope &operator=(const BaseDirScope &) = delete;

 private:
  std::string saved_;
};
