#include "zoom_view.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "bmp_export.h"
#include "bmp_file.h"
#include "capture.h"
#include "colour_picker.h"
#include "commands.h"
#include "editor_fixture.h"
#include "editor.h"
#include "history.h"
#include "portrait.h"
#include "resource.h"
#include "render/render_fixtures.h"
#include "support/test_support.h"

namespace {

// The layout at each zoom and display scale: the canvas's blocks are the
// zoom times the whole picture scale; the frame grows right and down by
// what they need beyond the start canvas's scaled place, everything else
// moves by as much; a smaller canvas is centred in its place (144 dpi at
// 1x); the view is the frame's inside (the whole client at 1x and 96 dpi);
// and the fit against a work area.
TEST(Zoom, LayoutGrowsTheFrameAndMovesTheRestAsOneBlock) {
  const RECT frame = {6, 7, 158, 199};
  const SIZE client = {632, 284};
  struct Row {
    int dpi, zoom, blocks;
    POINT origin;
    SIZE shift;
    RECT view;
    bool fitsXga;  // a 1024 x 768 work area, the window 640 x 330 at 1x
  } rows[] = {
      {96, 1, 1, {40, 45}, {0, 0}, {0, 0, 632, 284}, true},
      {96, 2, 2, {40, 45}, {80, 100}, {8, 9, 236, 297}, true},
      {96, 5, 5, {40, 45}, {320, 400}, {8, 9, 476, 597}, true},
      {96, 6, 6, {40, 45}, {400, 500}, {8, 9, 556, 697}, false},
      {96, 9, 6, {40, 45}, {400, 500}, {8, 9, 556, 697}, false},
      {144, 1, 1, {80, 93}, {0, 0}, {8, 9, 156, 197}, true},
      {144, 2, 2, {60, 68}, {40, 50}, {8, 9, 196, 247}, true},
      {192, 1, 2, {80, 90}, {0, 0}, {8, 9, 156, 197}, true},
      {192, 3, 6, {80, 90}, {320, 400}, {8, 9, 476, 597}, true},
      {192, 4, 8, {80, 90}, {480, 600}, {8, 9, 636, 797}, false},
      {48, 2, 2, {40, 45}, {80, 100}, {8, 9, 236, 297}, true},  // below 96: as 96
  };
  for (const Row &row : rows) {
    ZoomLayout layout = LayOutZoom(row.zoom, row.dpi, frame, client, 2);
    EXPECT_EQ(layout.canvas.zoom, row.blocks) << row.dpi << " " << row.zoom;
    EXPECT_EQ(layout.canvas.origin.x, row.origin.x) << row.dpi << " " << row.zoom;
    EXPECT_EQ(layout.canvas.origin.y, row.origin.y) << row.dpi << " " << row.zoom;
    EXPECT_EQ(layout.shift.cx, row.shift.cx) << row.dpi << " " << row.zoom;
    EXPECT_EQ(layout.shift.cy, row.shift.cy) << row.dpi << " " << row.zoom;
    RECT grown = {6, 7, 158 + row.shift.cx, 199 + row.shift.cy};
    EXPECT_TRUE(EqualRect(&layout.frame, &grown)) << row.dpi << " " << row.zoom;
    EXPECT_TRUE(EqualRect(&layout.canvas.view, &row.view)) << row.dpi << " " << row.zoom;
    EXPECT_EQ(layout.client.cx, client.cx + row.shift.cx);
    EXPECT_EQ(layout.client.cy, client.cy + row.shift.cy);
    EXPECT_EQ(ZoomFits(row.zoom, row.dpi, {640, 330}, {0, 0, 1024, 768}), row.fitsXga) << row.dpi << " " << row.zoom;
  }
  EXPECT_FALSE(ZoomFits(2, 96, {640, 330}, {0, 0, 719, 768})) << "one pixel short";
}

// Window pixels and canvas pixels: the anchor's block starts at the
// origin, each canvas pixel is a k x k block, points left of and above the
// anchor round down, rectangles cover; a widened base maps like any other
// rectangle.
TEST(Zoom, WindowAndCanvasPixelsAnswerEachOther) {
  const RECT view = {8, 9, 500, 600};
  struct Row {
    int k;
    POINT origin, canvas, window;
  } rows[] = {
      {1, {40, 45}, {0, 0}, {0, 0}},
      {3, {80, 93}, {41, 46}, {83, 96}},
      {6, {40, 45}, {39, 44}, {34, 39}},
      {2, {80, 93}, {119, 144}, {238, 291}},
      {4, {40, 45}, {-3, 200}, {-132, 665}},
  };
  for (const Row &row : rows) {
    POINT w = CanvasToWindow(ZoomView{row.k, row.origin, view}, row.canvas);
    EXPECT_EQ(w.x, row.window.x) << row.k << " " << row.canvas.x;
    EXPECT_EQ(w.y, row.window.y) << row.k << " " << row.canvas.y;
  }
  for (int k = ZOOM_MIN; k <= ZOOM_MAX; ++k) {
    for (POINT origin : {ZOOM_ANCHOR, POINT{80, 93}}) {
      ZoomView zoom = {k, origin, view};
      for (POINT canvas : {POINT{40, 45}, POINT{41, 46}, POINT{119, 144}, POINT{39, 44}, POINT{0, 0}, POINT{-3, 200}}) {
        POINT w = CanvasToWindow(zoom, canvas);
        for (POINT inside : {POINT{0, 0}, POINT{k - 1, k - 1}, POINT{k - 1, 0}}) {
          POINT back = WindowToCanvas(zoom, {w.x + inside.x, w.y + inside.y});
          EXPECT_EQ(back.x, canvas.x) << k;
          EXPECT_EQ(back.y, canvas.y) << k;
        }
      }
      RECT widened = {30, 35, 130, 155}, shown = CanvasRectToWindow(zoom, widened);
      RECT expected = {origin.x - 10 * k, origin.y - 10 * k, origin.x + 90 * k, origin.y + 110 * k};
      EXPECT_TRUE(EqualRect(&shown, &expected)) << k;
      RECT partial = {shown.left + k - 1, shown.top, shown.right - k + 1, shown.bottom - k + 1};
      RECT back = WindowRectToCanvas(zoom, partial);
      EXPECT_TRUE(EqualRect(&back, &widened)) << "blocks cut at the edges still count, " << k;
    }
  }
  ZoomView four = {4, ZOOM_ANCHOR, view};
  EXPECT_TRUE(InZoomView(four, {8, 9}));
  EXPECT_FALSE(InZoomView(four, {500, 100})) << "right edge exclusive";
}

// A window is moved only as far as it takes to lie within the work area;
// one wider or taller than the work area starts at its left or top edge.
TEST(Zoom, AWindowIsKeptOnTheWorkArea) {
  const RECT work = {0, 0, 1024, 738};
  struct Row {
    RECT window, kept;
  } rows[] = {
      {{362, 284, 1002, 614}, {362, 284, 1002, 614}},   // the editor at 1x, as placed
      {{362, 284, 1322, 914}, {64, 108, 1024, 738}},    // at 5x
      {{-50, -50, 590, 280}, {0, 0, 640, 330}},         // placed on a screen smaller than itself
      {{362, 284, 1631, 917}, {0, 105, 1269, 738}},     // wider than the work area
  };
  for (const Row &row : rows) {
    RECT kept = KeptOnWorkArea(row.window, work);
    EXPECT_TRUE(EqualRect(&kept, &row.kept)) << kept.left << ", " << kept.top;
  }
}

TEST(Zoom, OneWheelMessageTakesAtMostTenNotches) {
  struct Row {
    int rest, delta, turn;
  } rows[] = {{0, 120, 120}, {60, 60, 120}, {0, 32767, 1200}, {0, -32768, -1200}, {-1200, -1, -1200}};
  for (const Row &row : rows) EXPECT_EQ(BoundedWheelTurn(row.rest, row.delta), row.turn) << row.delta;
}

class ZoomedEditor : public EditorTest {
 protected:
  void Command(unsigned id) { HandleEditorCommand(window_, id); PumpMessages(); }
  // The window's pixels inside the canvas frame, row by row.
  std::vector<std::uint8_t> ViewPixels() { return PixelsOf(CurrentZoomView().view); }
  // The saved file image of a rectangle of the window.
  std::vector<std::uint8_t> PixelsOf(const RECT &r) {
    std::uint8_t *image = MakeBmpFileImage(window_, r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr);
    std::vector<std::uint8_t> bytes;
    if (image) bytes.assign(image, image + BmpFileSize(r.right - r.left, r.bottom - r.top));
    GlobalFree(image);
    return bytes;
  }

  ScopedSwap<int> zoom_{editorZoom};
};

void PlaceNose(const PartFolder &folder) {
  folder.Write("kao\\kao-5-001.bmp", 10, 10, [](int x, int) { return x < 5 ? BLACK : Bgr{0, 0, 200}; });
  PartSlot &nose = LayerTable[CAT_NOSE];
  std::strcpy(nose.path, "kao\\kao-5-001.bmp");
  nose.mode = MODE_SINGLE, nose.x = 35, nose.y = 50, nose.width = 10, nose.height = 10;
}

// A drag at 3x moves the part by whole canvas pixels, a 3-pixel pointer move
// a 1-pixel part move, and leaves the window as the arrows would.
TEST_F(ZoomedEditor, ADragAtThreeTimesMovesAsTheArrowsDo) {
  PartFolder folder;
  PlaceNose(folder);
  Command(IDC_ZOOM_3);
  ASSERT_EQ(CurrentZoomView().zoom, 3);
  POINT grab = CanvasToWindow(CurrentZoomView(), {canvasX + 36, canvasY + 52});
  PostMessageA(window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(grab.x + 2, grab.y));
  PostMessageA(window_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(grab.x + 2 + 3 * 4 - 2, grab.y + 3 * 2 + 2));
  PostMessageA(window_, WM_LBUTTONUP, 0, MAKELPARAM(grab.x + 2 + 3 * 4 - 2, grab.y + 3 * 2 + 2));
  PumpMessages();
  EXPECT_EQ(currentCategory, CAT_NOSE);
  EXPECT_EQ(LayerTable[CAT_NOSE].x, 39);
  EXPECT_EQ(LayerTable[CAT_NOSE].y, 52);
  std::vector<std::uint8_t> dragged = ViewPixels();
  Command(IDC_UNDO);
  EXPECT_EQ(LayerTable[CAT_NOSE].x, 35);
  for (unsigned id : {IDC_MOVE_RIGHT, IDC_MOVE_RIGHT, IDC_MOVE_RIGHT, IDC_MOVE_RIGHT, IDC_MOVE_DOWN, IDC_MOVE_DOWN})
    Command(id);
  std::vector<std::uint8_t> moved = ViewPixels();
  ASSERT_FALSE(moved.empty());
  EXPECT_TRUE(dragged == moved);
  Command(IDC_ZOOM_ONE);
}

// 保存 at 4x captures, and so saves, the bytes it saves at 1x.
TEST_F(ZoomedEditor, SaveAtFourTimesSavesTheBytesOfOneTime) {
  PartFolder folder;
  PlaceNose(folder);
  RepaintEditor(window_);
  std::vector<std::uint8_t> one = SavedCanvasPixels(window_);
  Command(IDC_ZOOM_4);
  ASSERT_EQ(CurrentZoomView().zoom, 4);
  std::vector<std::uint8_t> four = SavedCanvasPixels(window_);
  ASSERT_FALSE(one.empty());
  EXPECT_TRUE(one == four);
  int red = 0;
  for (std::size_t i = 0; i + 2 < one.size(); i += 3) red += one[i] == 0 && one[i + 1] == 0 && one[i + 2] == 200;
  EXPECT_GT(red, 20) << "the nose is in the picture";
  Command(IDC_ZOOM_ONE);
}

// Alt+click takes the colour under the pointer from the portrait composed
// at 1x, at 1x and at 3x alike, as one change of the current part's colour;
// 色を拾う makes the next click (no Alt) pick once.
TEST_F(ZoomedEditor, AltClickPicksThePixelUnderThePointerAtOneAndThreeTimes) {
  PartFolder folder;
  PlaceNose(folder);
  LayerTable[CAT_NOSE].green = 150;
  Command(IDC_CATEGORY_MOUTH);
  const PartSlot &mouth = LayerTable[CAT_MOUTH];
  auto click = [&](POINT canvasPixel, int within) {
    POINT at = CanvasToWindow(CurrentZoomView(), canvasPixel);
    PostMessageA(window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x + within, at.y + within));
    PostMessageA(window_, WM_LBUTTONUP, 0, MAKELPARAM(at.x + within, at.y + within));
    PumpMessages();
    return Bgr{static_cast<unsigned char>(mouth.blue), static_cast<unsigned char>(mouth.green),
               static_cast<unsigned char>(mouth.red)};
  };
  BYTE keys[256], alt[256];
  GetKeyboardState(keys);
  std::memcpy(alt, keys, sizeof alt);
  alt[VK_MENU] = 0x80;
  SetKeyboardState(alt);
  EXPECT_TRUE(click({canvasX + 37, canvasY + 52}, 0) == (Bgr{0, 150, 0})) << "the nose's black, recoloured";
  Command(IDC_ZOOM_3);
  ASSERT_EQ(CurrentZoomView().zoom, 3);
  EXPECT_TRUE(click({canvasX + 42, canvasY + 55}, 2) == (Bgr{0, 0, 200})) << "its own red";
  SetKeyboardState(keys);
  EXPECT_EQ(LayerTable[CAT_NOSE].x, 35) << "no drag";
  Command(IDC_UNDO);
  EXPECT_EQ(mouth.green, 150) << "one step each";
  Command(IDC_PICK_COLOUR);
  EXPECT_TRUE(click({canvasX + 2, canvasY + 2}, 1) == WHITE) << "the canvas";
  EXPECT_FALSE(ColourPickerWaiting());
  Command(IDC_ZOOM_ONE);
}

// A change of the display's scale lays the window out again from its 1x
// layout: at an unchanged scale a window resized and a button moved in the
// meantime come back where they were, at the zoom it was, with the current
// category's button in bold again.
TEST_F(ZoomedEditor, AScaleChangeLaysTheWindowOutAgain) {
  PartFolder folder;
  PlaceNose(folder);
  Command(IDC_CATEGORY_NOSE);
  Command(IDC_ZOOM_3);
  RECT outer, save;
  GetWindowRect(window_, &outer);
  GetWindowRect(GetDlgItem(window_, IDC_SAVE), &save);
  std::vector<std::uint8_t> view = ViewPixels();
  SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left - 150, outer.bottom - outer.top + 60,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(GetDlgItem(window_, IDC_SAVE), nullptr, 3, 4, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // What the system suggests at an unchanged scale: the window as it stands.
  RECT suggested;
  GetWindowRect(window_, &suggested);
  SendMessageA(window_, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
  PumpMessages();
  RECT outerAfter, saveAfter;
  GetWindowRect(window_, &outerAfter);
  GetWindowRect(GetDlgItem(window_, IDC_SAVE), &saveAfter);
  EXPECT_EQ(CurrentZoomView().zoom, 3);
  EXPECT_EQ(outerAfter.right - outerAfter.left, outer.right - outer.left);
  EXPECT_EQ(outerAfter.bottom - outerAfter.top, outer.bottom - outer.top);
  EXPECT_EQ(saveAfter.left - outerAfter.left, save.left - outer.left);
  EXPECT_EQ(saveAfter.top - outerAfter.top, save.top - outer.top);
  EXPECT_TRUE(ViewPixels() == view);
  LOGFONTW look = {};
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendDlgItemMessageW(window_, IDC_CATEGORY_NOSE, WM_GETFONT, 0, 0));
  ASSERT_TRUE(font && GetObjectW(font, sizeof look, &look));
  EXPECT_EQ(look.lfWeight, FW_BOLD);
  Command(IDC_ZOOM_ONE);
}

// A thumbnail larger than its cell spills over the cells but not out of the
// palette's frame: the canvas's frame shows what it showed before.
TEST_F(ZoomedEditor, AThumbnailSpillsNoFurtherThanThePalettesFrame) {
  PartFolder folder;
  folder.Write("kao\\kao-c-001.bmp", 200, 200, [](int, int) { return BLACK; });
  RECT frame;
  GetWindowRect(GetDlgItem(window_, IDC_CANVAS_FRAME), &frame);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT *>(&frame), 2);
  RepaintEditor(window_);
  std::vector<std::uint8_t> before = PixelsOf(frame);
  Command(IDC_CATEGORY_GLASSES);
  ASSERT_FALSE(before.empty());
  EXPECT_TRUE(PixelsOf(frame) == before);
}

}  // namespace
