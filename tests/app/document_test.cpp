#include "document.h"

#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>

#include "editor.h"
#include "editor_fixture.h"
#include "history.h"
#include "render/render_fixtures.h"
#include "text.h"
#include "texts.h"
#include "unsaved.h"

namespace {

class PortraitFileInEditor : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    folder_.Write("kao\\kao-5-001.bmp", 10, 10, [](int, int) { return BLACK; });
    folder_.Write("kao\\kao-3-001.bmp", 10, 6, [](int, int) { return BLACK; });
  }

  PartFolder folder_;
};

void Place(PartSlot &slot, const char *path, int mode, int x, int y) {
  std::strcpy(slot.path, path);
  slot.mode = mode, slot.x = x, slot.y = y, slot.width = 10, slot.height = 10, slot.red = 200;
}

// Drops a file on window as a file manager does.
void Drop(HWND window, const std::wstring &path) {
  std::size_t size = sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t);
  HGLOBAL drop = GlobalAlloc(GHND, size);
  auto *files = static_cast<DROPFILES *>(GlobalLock(drop));
  files->pFiles = sizeof(DROPFILES);
  files->fWide = TRUE;
  std::memcpy(files + 1, path.c_str(), path.size() * sizeof(wchar_t));
  GlobalUnlock(drop);
  SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
}

TEST_F(PortraitFileInEditor, ASavedPortraitOpensAgainAsOneChangeWithMissingPartsOff) {
  Place(LayerTable[CAT_NOSE], "kao\\kao-5-001.bmp", MODE_SINGLE, 7, 30);
  Place(LayerTable[CAT_EYES], "kao\\kao-3-001.bmp", MODE_PAIR, 9, 20);
  canvasX = 38, canvasWidth = 84;
  PortraitState saved = CurrentPortrait();
  std::wstring path = SystemText((folder_ / "似顔絵.nigaoe").c_str());
  ASSERT_TRUE(SavePortraitFile(window_, path));
  EXPECT_EQ(Title(), SystemText("似顔絵.nigaoe - ") + ProgramCaption(window_));
  std::string text;
  for (std::uint8_t byte : ReadFileBytes(folder_ / "似顔絵.nigaoe")) text += byte;
  EXPECT_EQ(text.rfind("nigaoe-portrait 1\ncanvas 38 45 84 100\n", 0), 0u) << text;

  DeleteFileA((folder_ / "kao\\kao-3-001.bmp").c_str());
  ResetPortrait();
  portraitFilePath.clear();
  FailureLog failures;
  ScopedSwap<SaveChangesAsker> dontSave(askSaveChanges, [](HWND, const std::wstring &) { return IDNO; });
  Drop(window_, path);
  EXPECT_EQ(portraitFilePath, path);
  const PartSlot &nose = LayerTable[CAT_NOSE], &eyes = LayerTable[CAT_EYES];
  EXPECT_EQ(std::memcmp(&nose, &saved.layers[CAT_NOSE], offsetof(PartSlot, listIndex)), 0);
  EXPECT_EQ(nose.listIndex, 0) << "the palette marks it";
  EXPECT_EQ(eyes.mode, MODE_OFF) << "its file is gone";
  EXPECT_STREQ(eyes.path, "kao\\kao-3-001.bmp");
  EXPECT_EQ(canvasX, 38);
  ASSERT_EQ(failures.entries().size(), 1u);
  EXPECT_EQ(failures.entries()[0].text, std::string(TEXT_PORTRAIT_PARTS_MISSING) + "\nkao\\kao-3-001.bmp");

  ASSERT_TRUE(UndoChange());
  EXPECT_EQ(nose.mode, MODE_OFF) << "undo takes the whole file back";
  EXPECT_EQ(canvasX, 40);
}

TEST_F(PortraitFileInEditor, AFileThatIsNoWholePortraitLeavesThePortraitAndSaysWhy) {
  Place(LayerTable[CAT_NOSE], "kao\\kao-5-001.bmp", MODE_SINGLE, 7, 30);
  MarkPortraitSaved();  // nothing to ask about before the start file
  PortraitState before = CurrentPortrait();
  const std::string good = "nigaoe-portrait 1\ncanvas 40 45 80 100\ncurrent-piece 0\nlayer nose\n"
                           "file kao\\kao-5-001.bmp\nmode single\nposition 1 2\nsize 3 4\nangle 0\ncolour #000000\n";
  const struct {
    std::string bytes;
    std::string why;
  } cases[] = {
      {"BM6]", TEXT_PORTRAIT_NOT_PORTRAIT},
      {good, TEXT_PORTRAIT_CUT_SHORT},
      {good.substr(0, 30) + "end\n", "2行目: " TEXT_PORTRAIT_UNKNOWN_LINE},
      {good + "end\n" + std::string(2 << 20, '#'), TEXT_PORTRAIT_TOO_LARGE},
      {"nigaoe-portrait 1\ncanvas 40 45 80 100\ncurrent-piece 0\nlayer eyes\nfile kao\\\xf0\x9f\x98\x80.bmp\n"
       "mode off\nposition 0 0\nsize 0 0\nangle 0\ncolour #000000\nend\n",
       TEXT_PORTRAIT_PART_NAME},  // a character the code page has not
  };
  std::string path = folder_ / "broken.nigaoe";
  for (const auto &c : cases) {
    WriteFileBytes(path, std::vector<std::uint8_t>(c.bytes.begin(), c.bytes.end()));
    FailureLog failures;
    OpenStartFile(window_, (L"nigaoe.exe \"" + SystemText(path.c_str()) + L"\"").c_str());
    EXPECT_TRUE(SamePortrait(before, CurrentPortrait()));
    ASSERT_EQ(failures.entries().size(), 1u);
    EXPECT_EQ(failures.entries()[0].text, std::string(TEXT_PORTRAIT_NOT_OPENED) + "\nbroken.nigaoe\n" + c.why);
    EXPECT_EQ(failures.entries()[0].caption, CAPTION_PORTRAIT_FILE);
  }
  FailureLog failures;
  OpenStartFile(window_, L"nigaoe.exe");
  EXPECT_TRUE(failures.entries().empty()) << "no argument, no file";
  EXPECT_FALSE(UndoChange()) << "nothing was opened";
  EXPECT_TRUE(portraitFilePath.empty());
}

TEST_F(PortraitFileInEditor, AHairWithoutABackHalfIsSavedAndOpenedWithoutOne) {
  folder_.Write("kao\\kao-b-001.bmp", 10, 10, [](int, int) { return BLACK; });
  Place(LayerTable[CAT_HAIR], "kao\\kao-b-001.bmp", MODE_SINGLE, 0, 0);
  Place(LayerTable[CAT_BACK_HAIR], "kao\\kao-0-001.bmp", MODE_SINGLE, 0, 0);  // as choosing the hair leaves it
  PortraitState saved = CurrentPortrait();
  std::wstring path = SystemText((folder_ / "hair.nigaoe").c_str());
  ASSERT_TRUE(SavePortraitFile(window_, path));
  std::vector<std::uint8_t> bytes = ReadFileBytes(folder_ / "hair.nigaoe");
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()).find("kao-0-"), std::string::npos) << "no file that never was";
  ResetPortrait();
  FailureLog failures;
  ASSERT_TRUE(OpenPortraitFile(window_, path));
  EXPECT_TRUE(failures.entries().empty()) << failures.entries()[0].text;
  EXPECT_EQ(std::memcmp(&LayerTable[CAT_BACK_HAIR], &saved.layers[CAT_BACK_HAIR], offsetof(PartSlot, listIndex)), 0)
      << "the back half as the hair brings it";
}

}  // namespace
