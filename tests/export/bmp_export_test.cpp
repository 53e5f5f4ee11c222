#include "bmp_export.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "bmp_file.h"
#include "export_test_support.h"
#include "text.h"
#include "texts.h"

namespace {

TEST(Export, FileImageHoldsTheWindowPixelsBottomRowFirst) {
  HWND window = CreatePatternWindow(2);
  const int width = 81, height = 100, left = 3, top = 5;  // 1 fill byte a row
  Failure failure = {};
  std::uint8_t *image = MakeBmpFileImage(window, left, top, width, height, &failure);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(GlobalSize(image), BmpFileSize(width, height));
  EXPECT_EQ(image[0], 'B');
  EXPECT_EQ(image[18], width);
  EXPECT_EQ(image[22], height);
  Bgr bottomLeft = PatternPixel(2, left, top + height - 1);
  EXPECT_EQ(image[54], bottomLeft.blue);
  EXPECT_EQ(image[55], bottomLeft.green);
  EXPECT_EQ(image[56], bottomLeft.red);
  std::uint32_t rowSize = BmpRowSize(width);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t *row = image + 54 + (height - 1 - y) * rowSize;
    for (int x = 0; x < width; ++x) {
      Bgr expected = PatternPixel(2, left + x, top + y);
      ASSERT_EQ((Bgr{row[3 * x], row[3 * x + 1], row[3 * x + 2]}), expected) << x << ", " << y;
    }
    EXPECT_EQ(row[3 * width], 0);
  }
  GlobalFree(image);
  EXPECT_EQ(failure.text, nullptr);
  DestroyWindow(window);
}

TEST(Export, UnreadablePixelsAreShownAndNothingIsAsked) {
  HWND gone = CreatePatternWindow(2);
  DestroyWindow(gone);
  HWND window = CreatePatternWindow(2);
  struct Case {
    HWND window;
    int width, height;
    const char *caption;
  } cases[] = {{gone, 80, 100, CAPTION_GET_DC}, {window, 80, -100, CAPTION_CREATE_BITMAP}};
  for (const Case &c : cases) {
    FailureLog log;
    SaveDialogAnswer answer(nullptr);
    SaveWindowAsBmp(c.window, 0, 0, c.width, c.height);
    EXPECT_FALSE(answer.shown());
    ASSERT_EQ(log.entries().size(), 1u);
    EXPECT_EQ(log.entries()[0].text, TEXT_FAILED);
    EXPECT_EQ(log.entries()[0].caption, c.caption);
  }
  DestroyWindow(window);
}

class SaveThroughDialog : public testing::Test {
 protected:
  void SetUp() override { window_ = CreatePatternWindow(1); }
  void TearDown() override { DestroyWindow(window_); }
  // What the file of the window's 80 x 100 pixels at (0, 0) must hold.
  std::vector<std::uint8_t> ExpectedFile() {
    std::uint8_t *image = MakeBmpFileImage(window_, 0, 0, 80, 100, nullptr);
    std::vector<std::uint8_t> bytes(image, image + BmpFileSize(80, 100));
    GlobalFree(image);
    return bytes;
  }
  void Save(const std::string &name) {
    SaveDialogAnswer answer(name.c_str());
    SaveWindowAsBmp(window_, 0, 0, 80, 100);
    EXPECT_TRUE(answer.shown());
    EXPECT_EQ(answer.owner(), window_);
  }
  HWND window_ = nullptr;
};

TEST_F(SaveThroughDialog, TypedNameIsWrittenAsTypedAndReplacedWithoutAQuestion) {
  TempDir folder;
  FailureLog log;
  Save(folder / "portrait");
  EXPECT_EQ(FolderNames(folder.path()), std::vector<std::string>{"portrait"});
  EXPECT_EQ(ReadFileBytes(folder / "portrait"), ExpectedFile());

  SetWindowLongPtrA(window_, GWLP_USERDATA, 9);
  InvalidateRect(window_, nullptr, FALSE);
  UpdateWindow(window_);
  Save(folder / "portrait");
  std::vector<std::uint8_t> second = ReadFileBytes(folder / "portrait");
  EXPECT_EQ(second.size(), 24054u);
  EXPECT_EQ(second, ExpectedFile());
  EXPECT_EQ(FolderNames(folder.path()), std::vector<std::string>{"portrait"});
  EXPECT_TRUE(log.entries().empty());
}

TEST_F(SaveThroughDialog, CancelWritesNothingAndShowsNothing) {
  TempDir folder;
  BaseDirScope scope(folder.path());
  CreateDirectoryA((folder / "phot").c_str(), nullptr);
  FailureLog log;
  SaveDialogAnswer answer(nullptr);
  SaveWindowAsBmp(window_, 0, 0, 80, 100);
  EXPECT_TRUE(answer.shown());
  EXPECT_EQ(answer.proposal(), "phot-.bmp");
  EXPECT_TRUE(FolderNames(folder / "phot").empty());
  EXPECT_EQ(FolderNames(folder.path()), std::vector<std::string>{"phot"});
  EXPECT_TRUE(log.entries().empty());
}

TEST_F(SaveThroughDialog, CurrentDirectoryIsBaseDirAfterSavingElsewhere) {
  TempDir home, elsewhere;
  BaseDirScope scope(home.path());
  SetCurrentDirectoryA(home.path().c_str());
  {
    // Going into the folder in the dialog makes it the current directory.
    SaveDialogAnswer answer(std::vector<std::string>{elsewhere.path(), "face.bmp"});
    SaveWindowAsBmp(window_, 0, 0, 80, 100);
  }
  EXPECT_TRUE(FileExists(elsewhere / "face.bmp"));
  EXPECT_EQ(CurrentDirectory(), home.path());
}

TEST_F(SaveThroughDialog, NameTooLongForTheBufferIsShownNotIgnored) {
  TempDir folder;
  FailureLog log;
  // Longer than the 256-byte buffer, within the platform's path limit (Wine
  // 8's dialog itself crashes on longer ones).
  Save(folder / std::string(258 - folder.path().size() - 1, 'n'));
  ASSERT_EQ(log.entries().size(), 1u);
  EXPECT_EQ(log.entries()[0].text, TEXT_SAVE_NAME_REFUSED);
  EXPECT_EQ(log.entries()[0].caption, CAPTION_GET_SAVE_FILE_NAME);
  EXPECT_TRUE(FolderNames(folder.path()).empty());
}

}  // namespace
