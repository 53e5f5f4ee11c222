#include "photo_view.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "canvas_image.h"
#include "capture.h"
#include "colour_picker.h"
#include "commands.h"
#include "document.h"
#include "text.h"
#include "texts.h"
#include "editor.h"
#include "history.h"
#include "portrait.h"
#include "resource.h"
#include "zoom_view.h"
#include "render/render_fixtures.h"
#include "support/test_support.h"

namespace {

std::vector<std::uint8_t> Exported(HWND window) {
  CanvasImage image;
  return RenderCanvasImage(window, &image, nullptr) ? image.pixels : std::vector<std::uint8_t>();
}

// The window's pixel in the middle of a canvas pixel's block (off the grid).
Bgr ShownAt(HWND window, POINT canvasPixel) {
  ZoomView zoom = CurrentZoomView();
  POINT at = CanvasToWindow(zoom, canvasPixel);
  HDC dc = GetDC(window);
  Bgr colour = PixelAt(dc, at.x + zoom.zoom / 2, at.y + zoom.zoom / 2);
  ReleaseDC(window, dc);
  return colour;
}

// A photo under the canvas at 1x and at 3x: the window shows it under the
// nose, where PhotoPixelAt says, while 保存's capture and the export are
// the bytes they are without it; hidden and closed it shows no more.
TEST(PhotoView, ShowsOnTheCanvasButInNoOutput) {
  ResetPortrait();
  ScopedSwap<int> zoom(editorZoom, 1);
  PartFolder folder;
  folder.Write("kao\\kao-5-001.bmp", 10, 10, [](int, int) { return Bgr{0, 0, 200}; });
  PartSlot &nose = LayerTable[CAT_NOSE];
  std::strcpy(nose.path, "kao\\kao-5-001.bmp");
  nose.mode = MODE_SINGLE, nose.x = 35, nose.y = 50, nose.width = 10, nose.height = 10;
  // A picture of our own: dark green left of its middle, blue right of it.
  std::string path = folder / "photo.bmp";
  WriteTestBmp(path, 160, 200, [](int x, int) { return x < 80 ? Bgr{0, 100, 0} : Bgr{150, 0, 0}; });
  HWND window = CreateEditorWindow(appInstance);
  ASSERT_NE(window, nullptr);
  PumpMessages();
  for (unsigned zoomId : {IDC_ZOOM_1, IDC_ZOOM_3}) {
    HandleEditorCommand(window, zoomId);
    PumpMessages();
    std::vector<std::uint8_t> saved = SavedCanvasPixels(window), exported = Exported(window);
    ASSERT_FALSE(saved.empty());
    ASSERT_TRUE(OpenReferencePhoto(window, SystemText(path.c_str())));
    PumpMessages();
    POINT onPhoto = {canvasX + 10, canvasY + 10}, underNose = {canvasX + 36, canvasY + 52};
    COLORREF colour;
    ASSERT_TRUE(PhotoPixelAt(onPhoto, &colour));
    EXPECT_EQ(colour, RGB(128, 178, 128));
    EXPECT_TRUE((ShownAt(window, onPhoto) == Bgr{128, 178, 128})) << zoomId;
    EXPECT_TRUE((ShownAt(window, underNose) == Bgr{0, 0, 200})) << "the nose over the photo, " << zoomId;
    // Alt and a click there takes the photo's own colour for the current part.
    POINT at = CanvasToWindow(CurrentZoomView(), onPhoto);
    ASSERT_TRUE(PickColourAt(window, at.x, at.y));
    const PartSlot &picked = LayerTable[currentCategory];
    EXPECT_TRUE(picked.red == 0 && picked.green == 100 && picked.blue == 0) << zoomId;
    UndoChange();
    EXPECT_TRUE(SavedCanvasPixels(window) == saved) << zoomId;
    EXPECT_TRUE(Exported(window) == exported) << zoomId;
    HandleEditorCommand(window, IDC_PHOTO_HIDE);
    PumpMessages();
    EXPECT_TRUE(ShownAt(window, onPhoto) == WHITE) << zoomId;
    EXPECT_FALSE(PhotoPixelAt(onPhoto, &colour));
    HandleEditorCommand(window, IDC_PHOTO_HIDE);
    HandleEditorCommand(window, IDC_PHOTO_CLOSE);
    PumpMessages();
    EXPECT_TRUE(ShownAt(window, onPhoto) == WHITE) << zoomId;
    EXPECT_TRUE(referencePhoto.path.empty());
  }
  EXPECT_FALSE(CanUndo()) << "the photo is no change of the portrait, the picks were undone";
  HandleEditorCommand(window, IDC_ZOOM_ONE);
  DestroyWindow(window);
  PumpMessages();
  ResetPortrait();
}

// A portrait file keeps its photo, named from the file's own folder, and
// brings it back placed as it was; a photo gone by then is left out, named
// in the one message, and the photo shown before goes with it.
TEST(PhotoView, APortraitFileKeepsItsPhotoBesideIt) {
  ResetPortrait();
  ScopedSwap<std::wstring> named(portraitFilePath);
  PartFolder folder;
  std::string photo = folder / "photo.bmp";
  WriteTestBmp(photo, 16, 20, [](int, int) { return Bgr{0, 100, 0}; });
  HWND window = CreateEditorWindow(appInstance);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(OpenReferencePhoto(window, SystemText(photo.c_str())));
  referencePhoto.placement = {3, -4, 200};
  ShowReferencePhoto(window);
  std::wstring file = SystemText((folder / "face.nigaoe").c_str());
  ASSERT_TRUE(SavePortraitFile(window, file));
  std::vector<std::uint8_t> bytes = ReadFileBytes(folder / "face.nigaoe");
  std::string text(bytes.begin(), bytes.end());
  EXPECT_EQ(text.rfind("nigaoe-portrait 2\n", 0), 0u) << text;
  EXPECT_NE(text.find("\nphoto photo.bmp\nphoto-place 3 -4 200 "), std::string::npos) << text;
  HandleEditorCommand(window, IDC_PHOTO_CLOSE);
  for (bool gone : {false, true}) {
    if (gone) DeleteFileA(photo.c_str());
    FailureLog failures;
    ASSERT_TRUE(OpenPortraitFile(window, file));
    EXPECT_EQ(referencePhoto.path.empty(), gone);
    if (!gone) {
      EXPECT_TRUE(referencePhoto.placement.x == 3 && referencePhoto.placement.y == -4 &&
                  referencePhoto.placement.scale == 200);
    }
    ASSERT_EQ(failures.entries().size(), gone ? 1u : 0u);
    if (gone) {
      EXPECT_EQ(failures.entries()[0].text.find(TEXT_PORTRAIT_PHOTO_MISSING), 0u);
    }
  }
  DestroyWindow(window);
  PumpMessages();
  ResetPortrait();
  ClearHistory();
}

}  // namespace
