#include "editor.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "commands.h"
#include "editor_fixture.h"
#include "custom_colours.h"
#include "failure.h"
#include "catalogue.h"
#include "history.h"
#include "palette.h"
#include "resource.h"
#include "texts.h"
#include "render/render_fixtures.h"
#include "support/test_support.h"

namespace {

class EditorWindow : public EditorTest {
 protected:
  bool Enabled(int id) const { return IsWindowEnabled(GetDlgItem(window_, id)) != FALSE; }
  bool Checked(int id) const { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }
  std::string Text(int id) const {
    char text[64] = {0};
    GetDlgItemTextA(window_, id, text, sizeof text);
    return text;
  }
  void Command(unsigned id) { SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
};

TEST_F(EditorWindow, StartsWithHairAndPieceButtonsDisabledAndFrontChecked) {
  EXPECT_TRUE(IsWindowVisible(window_));
  EXPECT_FALSE(Enabled(IDC_FRONT_HAIR));
  EXPECT_FALSE(Enabled(IDC_BACK_HAIR));
  EXPECT_FALSE(Enabled(IDC_NEXT_PIECE));
  EXPECT_FALSE(Enabled(IDC_PREVIOUS_PIECE));
  EXPECT_FALSE(Enabled(IDC_CATEGORY_DISABLED));
  EXPECT_TRUE(Enabled(IDC_CATEGORY_FACE));
  EXPECT_TRUE(Checked(IDC_FRONT_HAIR));
  EXPECT_FALSE(Checked(IDC_BACK_HAIR));
  char caption[64];
  GetWindowTextA(window_, caption, sizeof caption);
  EXPECT_STREQ(caption, "似顔絵ソフト　Ver1.00");
}

TEST_F(EditorWindow, TemplateHoldsEveryControlWithItsTextAndPlace) {
  struct Control {
    int id;
    const char *text;
    RECT units;  // x, y, width, height in dialog units
  } controls[] = {
      {IDC_CLOSE, "閉じる", {284, 136, 28, 20}},    {IDC_SHOW_HELP, "ﾍﾙﾌﾟ", {312, 136, 28, 20}},
      {IDC_CATEGORY_FACE, "顔", {96, 4, 20, 16}},   {IDC_CATEGORY_HAIR, "髪", {116, 4, 20, 16}},
      {IDC_CATEGORY_EYES, "目", {136, 4, 20, 16}},  {IDC_CATEGORY_NOSE, "鼻", {176, 4, 20, 16}},
      {IDC_CATEGORY_MOUTH, "口", {196, 4, 20, 16}}, {IDC_CATEGORY_EARS, "耳", {216, 4, 20, 16}},
      {IDC_SAVE, "保存", {256, 136, 28, 20}},       {IDC_CATEGORY_MOUSTACHE, "口髭", {236, 4, 20, 16}},
      {IDC_CATEGORY_OTHER, "その他", {276, 4, 24, 16}}, {IDC_CATEGORY_GLASSES, "眼鏡", {300, 4, 20, 16}},
      {IDC_CATEGORY_DISABLED, "無効", {320, 4, 16, 16}}, {IDC_MOVE_UP, "↑", {24, 132, 20, 16}},
      {IDC_MOVE_DOWN, "↓", {24, 148, 20, 16}},      {IDC_MOVE_RIGHT, "→", {44, 140, 20, 16}},
      {IDC_MOVE_LEFT, "←", {4, 140, 20, 16}},       {IDC_CATEGORY_EYEBROWS, "眉", {156, 4, 20, 16}},
      {IDC_PREVIOUS_PAGE, "<<", {96, 116, 20, 12}}, {IDC_NEXT_PAGE, ">>", {324, 116, 20, 12}},
      {IDC_OFF, "OFF", {204, 116, 20, 12}},         {IDC_FRONT_HAIR, "前", {72, 132, 20, 8}},
      {IDC_BACK_HAIR, "後", {72, 144, 20, 8}},      {IDC_HAIR_LABEL, "髪選択", {72, 124, 24, 8}},
      {IDC_PART_WIDER, "横広", {100, 136, 20, 16}}, {IDC_PART_NARROWER, "横縮", {100, 152, 20, 16}},
      {IDC_PART_TALLER, "縦広", {120, 136, 20, 16}}, {IDC_PART_SHORTER, "縦縮", {120, 152, 20, 16}},
      {IDC_BASE_WIDER, "横広", {208, 136, 20, 16}}, {IDC_BASE_TALLER, "縦広", {228, 136, 20, 16}},
      {IDC_BASE_NARROWER, "横縮", {208, 152, 20, 16}}, {IDC_BASE_SHORTER, "縦縮", {228, 152, 20, 16}},
      {IDC_BASE_LABEL, "下地", {220, 128, 16, 8}},  {IDC_PART_LABEL, "部品", {132, 128, 16, 8}},
      {IDC_PART_LARGER, "拡大", {140, 136, 20, 16}}, {IDC_PART_SMALLER, "縮小", {140, 152, 20, 16}},
      {IDC_ROTATE_RIGHT, "右回", {160, 136, 20, 16}}, {IDC_ROTATE_LEFT, "左回", {160, 152, 20, 16}},
      {IDC_ANGLE_ZERO, "0度", {160, 124, 20, 12}},  {IDC_CATEGORY_BEARD, "顎髭", {256, 4, 20, 16}},
      {IDC_COLOUR, "色", {180, 136, 20, 16}},       {IDC_NEXT_PIECE, "+", {68, 156, 16, 12}},
      {IDC_PREVIOUS_PIECE, "-", {84, 156, 16, 12}},
  };
  int children = 0;
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++children;
  EXPECT_EQ(children, static_cast<int>(sizeof controls / sizeof controls[0]) + 2) << "and two frames";

  for (const Control &c : controls) {
    HWND control = GetDlgItem(window_, c.id);
    ASSERT_NE(control, nullptr) << c.id;
    EXPECT_EQ(Text(c.id), c.text) << c.id;
    // The dialog maps a control's position and size separately.
    RECT position = {c.units.left, c.units.top, 0, 0};
    RECT size = {0, 0, c.units.right, c.units.bottom};
    MapDialogRect(window_, &position);
    MapDialogRect(window_, &size);
    RECT got;
    GetWindowRect(control, &got);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT *>(&got), 2);
    EXPECT_EQ(got.left, position.left) << c.id;
    EXPECT_EQ(got.top, position.top) << c.id;
    EXPECT_EQ(got.right - got.left, size.right) << c.id;
    EXPECT_EQ(got.bottom - got.top, size.bottom) << c.id;
  }
}

TEST_F(EditorWindow, CategoryButtonsEnableHairRadiosAndPieceButtons) {
  CheckRadioButton(window_, IDC_FRONT_HAIR, IDC_BACK_HAIR, IDC_BACK_HAIR);
  struct Case {
    unsigned button;
    bool radios, pieces;
  } cases[] = {
      {IDC_CATEGORY_HAIR, true, false},
      {IDC_CATEGORY_OTHER, false, true},
      {IDC_CATEGORY_EYES, false, false},
      {IDC_CATEGORY_HAIR, true, false},
  };
  for (const Case &c : cases) {
    firstVisible = 10;
    Command(c.button);
    EXPECT_EQ(currentCategory, static_cast<int>(c.button - IDC_CATEGORY_BASE));
    EXPECT_EQ(firstVisible, 0);
    EXPECT_EQ(Enabled(IDC_FRONT_HAIR), c.radios) << c.button;
    EXPECT_EQ(Enabled(IDC_BACK_HAIR), c.radios) << c.button;
    EXPECT_EQ(Enabled(IDC_NEXT_PIECE), c.pieces) << c.button;
    EXPECT_EQ(Enabled(IDC_PREVIOUS_PIECE), c.pieces) << c.button;
    EXPECT_TRUE(Checked(IDC_BACK_HAIR)) << "the hair radios keep their state";
  }
}

TEST_F(EditorWindow, CheckedBackRadioRoutesMovesToTheBackHair) {
  Command(IDC_CATEGORY_HAIR);
  CheckRadioButton(window_, IDC_FRONT_HAIR, IDC_BACK_HAIR, IDC_BACK_HAIR);
  Command(IDC_MOVE_UP);
  Command(IDC_ROTATE_RIGHT);
  EXPECT_EQ(LayerTable[CAT_BACK_HAIR].y, -1);
  EXPECT_EQ(LayerTable[CAT_HAIR].y, 0);
  EXPECT_EQ(LayerTable[CAT_HAIR].angle, 5);
  CheckRadioButton(window_, IDC_FRONT_HAIR, IDC_BACK_HAIR, IDC_FRONT_HAIR);
  Command(IDC_MOVE_UP);
  EXPECT_EQ(LayerTable[CAT_HAIR].y, -1);
}

TEST_F(EditorWindow, CloseButtonDestroysTheWindowAndEndsTheLoop) {
  Command(IDC_CLOSE);
  EXPECT_FALSE(IsWindow(window_));
  MSG message;
  EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 0u);

  window_ = CreateEditorWindow(appInstance);
  SendMessageA(window_, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(EditorWindow, IsPlacedAsIfItWere300By200InTheScreensCentre) {
  POINT corner = EditorWindowPosition(1024, 768);
  EXPECT_EQ(corner.x, 362);
  EXPECT_EQ(corner.y, 284);
  corner = EditorWindowPosition(200, 100);  // smaller than the window: halves round toward zero
  EXPECT_EQ(corner.x, -50);
  EXPECT_EQ(corner.y, -50);

  RECT before;
  GetWindowRect(window_, &before);
  CentreEditorWindow(window_);
  RECT after;
  GetWindowRect(window_, &after);
  HDC screen = GetDC(nullptr);
  POINT want = EditorWindowPosition(GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, VERTRES));
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(after.left, want.x);
  EXPECT_EQ(after.top, want.y);
  EXPECT_EQ(after.right - after.left, before.right - before.left) << "keeps its own size";
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
}

// On the test display's dialog font the template alone would cut the last
// cell off: every cell lies inside the palette frame and the client area,
// and the last cell answers a click.
TEST_F(EditorWindow, EveryCellFitsInThePaletteFrameAndAnswersAClick) {
  RECT client, frame = {0, 0, 0, 0};
  GetClientRect(window_, &client);
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT *>(&r), 2);
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ETCHEDFRAME && r.left > canvasX) frame = r;
  }
  RECT cells = PaletteCellsBounds(), inside;
  EXPECT_TRUE(IntersectRect(&inside, &cells, &frame) && EqualRect(&inside, &cells));
  EXPECT_TRUE(IntersectRect(&inside, &cells, &client) && EqualRect(&inside, &cells));

  PartFolder folder;
  for (int i = 1; i <= 5; ++i)
    folder.Write("kao\\kao-5-00" + std::to_string(i) + ".bmp", 10, 10, [](int, int) { return BLACK; });
  Command(IDC_CATEGORY_NOSE);
  SendMessageA(window_, WM_LBUTTONDOWN, 0, MAKELPARAM(PaletteCellLeft(4) + 70, CELL_TOP + 50));
  EXPECT_EQ(LayerTable[CAT_NOSE].mode, MODE_SINGLE);
  EXPECT_EQ(LayerTable[CAT_NOSE].listIndex, 4);
}

// The menu bar's item "部品を外す" in 編集 switches the part off, as "OFF" does.
TEST_F(EditorWindow, AMenuItemCarriesOutItsCommand) {
  HMENU edit = GetSubMenu(GetMenu(window_), 1);
  ASSERT_NE(edit, nullptr);
  UINT off = 0;
  for (int i = 0; i < GetMenuItemCount(edit); ++i) {
    char text[64] = "";
    GetMenuStringA(edit, i, text, sizeof text, MF_BYPOSITION);
    if (std::strncmp(text, "部品を外す", std::strlen("部品を外す")) == 0) off = GetMenuItemID(edit, i);
  }
  currentCategory = CAT_NOSE;
  LayerTable[CAT_NOSE].mode = MODE_SINGLE;
  SendMessageA(window_, WM_COMMAND, MAKEWPARAM(off, 0), 0);  // as the menu sends it
  EXPECT_EQ(LayerTable[CAT_NOSE].mode, MODE_OFF);
  ClearHistory();
}

// Keys pressed on a control of the real editor move, switch off and bring
// back a part, which the canvas shows.
TEST_F(EditorWindow, KeysCarryOutTheirCommandsAndUndoTakesThemBack) {
  PartFolder folder;
  folder.Write("kao\\kao-5-001.bmp", 10, 10, [](int, int) { return BLACK; });
  Command(IDC_CATEGORY_NOSE);
  SendMessageA(window_, WM_LBUTTONDOWN, 0, MAKELPARAM(PaletteCellLeft(0) + 40, CELL_TOP + 50));
  const PartSlot &nose = LayerTable[CAT_NOSE];
  int x = canvasX + nose.x, y = canvasY + nose.y + 5;  // the middle row of the nose
  HWND control = GetDlgItem(window_, IDC_COLOUR);
  auto press = [&](unsigned key, bool control_) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = control_ ? 0x80 : 0;
    SetKeyboardState(keys);
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostQuitMessage(0);
    RunMessageLoop();
  };
  auto pixel = [&](int px, int py) {
    HDC dc = GetDC(window_);
    Bgr p = PixelAt(dc, px, py);
    ReleaseDC(window_, dc);
    return p;
  };
  press(VK_RIGHT, false);
  press(VK_RIGHT, false);
  EXPECT_TRUE(pixel(x + 11, y) == BLACK) << "moved 2 to the right";
  EXPECT_TRUE(pixel(x + 1, y) == WHITE);
  press(VK_DELETE, false);
  EXPECT_TRUE(pixel(x + 11, y) == WHITE) << "switched off";
  press('Z', true);
  EXPECT_TRUE(pixel(x + 11, y) == BLACK) << "back on";
  press('Z', true);
  press('Z', true);
  EXPECT_TRUE(pixel(x, y) == BLACK) << "back where it was chosen";
  press(VK_RIGHT, false);
  press('Y', true);
  EXPECT_EQ(nose.x + canvasX, x + 1) << "a new change leaves nothing to do again";
  press(VK_F1 + 100, false);  // a key of no command does nothing
  press(VK_RIGHT, false);
  EXPECT_EQ(nose.x + canvasX, x + 2);
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  ClearHistory();
}

// A nose dragged on the real window with posted mouse messages: it follows
// the pointer as far as the limits let it, each drag one step of undo;
// Escape puts it back; the wheel over the canvas makes it larger.
TEST_F(EditorWindow, DraggingAPartMovesItAsOneStepOfUndo) {
  PartFolder folder;
  folder.Write("kao\\kao-5-001.bmp", 10, 10, [](int, int) { return BLACK; });
  Command(IDC_CATEGORY_NOSE);
  SendMessageA(window_, WM_LBUTTONDOWN, 0, MAKELPARAM(PaletteCellLeft(0) + 40, CELL_TOP + 50));
  Command(IDC_CATEGORY_EYES);
  ClearHistory();
  const PartSlot &nose = LayerTable[CAT_NOSE];
  const int x = canvasX + nose.x, y = canvasY + nose.y;  // its top-left corner
  auto pixel = [&](int px, int py) {
    HDC dc = GetDC(window_);
    Bgr p = PixelAt(dc, px, py);
    ReleaseDC(window_, dc);
    return p;
  };
  auto drag = [&](int dx, int dy, bool escape) {
    PostMessageA(window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x + 5, y + 5));
    PostMessageA(window_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + 5 + dx, y + 5 + dy));
    PumpMessages();
    if (escape) Command(IDC_CANCEL_DRAG);
    PostMessageA(window_, WM_LBUTTONUP, 0, MAKELPARAM(x + 5 + dx, y + 5 + dy));
    PumpMessages();
  };
  drag(7, 4, false);
  EXPECT_EQ(currentCategory, CAT_NOSE) << "made current as its button does";
  EXPECT_EQ(canvasX + nose.x, x + 7);
  EXPECT_EQ(canvasY + nose.y, y + 4);
  EXPECT_TRUE(pixel(x + 12, y + 9) == BLACK) << "drawn where it went";
  EXPECT_TRUE(pixel(x + 2, y + 2) == WHITE);
  Command(IDC_UNDO);
  EXPECT_TRUE(pixel(x + 2, y + 2) == BLACK) << "one undo puts it back";
  EXPECT_TRUE(pixel(x + 12, y + 9) == WHITE);
  drag(20, 0, true);
  EXPECT_EQ(canvasX + nose.x, x) << "Escape";
  EXPECT_FALSE(UndoChange()) << "a cancelled drag leaves no step";
  drag(1000, -1000, false);
  EXPECT_EQ(nose.x, 80) << "stops where → stops";
  EXPECT_EQ(nose.y, -canvasY);
  Command(IDC_UNDO);
  POINT screen = {x + 5, y + 5};
  ClientToScreen(window_, &screen);
  for (int i = 0; i < 3; ++i)
    SendMessageA(window_, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 3), MAKELPARAM(screen.x, screen.y));
  EXPECT_EQ(nose.width, 12) << "three thirds of a notch: one step";
  ClearHistory();
}

std::vector<Bgr> ClientPixels(HWND window);

// おまかせ puts a part in every category from the folder, the face and the
// hair in custom colours, as one step of undo; with a category current,
// Shift+F5 changes only it, and switches it off when it has no files.
TEST_F(EditorWindow, RandomPortraitFillsEveryCategoryAsOneStep) {
  PartFolder folder;
  auto black = [](int x, int) { return x % 2 ? BLACK : WHITE; };
  for (const char *name : {"kao-1-001", "kao-b-001", "kao-0-001", "kao-3-001", "kao-4-001", "kao-5-001",
                           "kao-6-001", "kao-7-001", "kao-9-001", "kao-a-001", "kao-c-001", "kao-2-001",
                           "kao-2-100", "kao-2-200", "kao-8-001"})
    folder.Write(std::string("kao\\") + name + ".bmp", 8, 6, black);
  Command(IDC_CATEGORY_EYES);
  PortraitState start = CurrentPortrait();
  Command(IDC_RANDOM_PORTRAIT);
  for (int category = CAT_BACK_HAIR; category <= CAT_GLASSES; ++category) {
    if (category == CAT_OTHER) continue;
    EXPECT_EQ(LayerTable[category].mode != MODE_OFF, category != CAT_DISABLED) << category;
  }
  EXPECT_STREQ(LayerTable[CAT_BACK_HAIR].path, "kao\\kao-0-001.bmp");
  auto in = [](const RgbColour *colours, const PartSlot &slot) {
    for (int i = 0; i < CUSTOM_COLOUR_ROW; ++i)
      if (colours[i].red == slot.red && colours[i].green == slot.green && colours[i].blue == slot.blue) return true;
    return false;
  };
  EXPECT_TRUE(in(SKIN_TONES, LayerTable[CAT_FACE]));
  EXPECT_TRUE(in(HAIR_COLOURS, LayerTable[CAT_HAIR]));
  EXPECT_TRUE(in(HAIR_COLOURS, LayerTable[CAT_BACK_HAIR]));
  auto same = [](const PartSlot &a, const PartSlot &b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
  };
  EXPECT_TRUE(same(LayerTable[CAT_EARS], LayerTable[CAT_FACE])) << "the ears in the face's skin";
  EXPECT_TRUE(same(LayerTable[CAT_BEARD], LayerTable[CAT_HAIR])) << "the beard in the hair's colour";
  int pieces = 0;
  for (const PartSlot &piece : PieceTable) pieces += piece.mode != MODE_OFF;
  EXPECT_LE(pieces, 3);
  EXPECT_EQ(currentCategory, CAT_EYES);
  EXPECT_EQ(partCount, 1) << "the palette's list stays";
  Command(IDC_UNDO);
  EXPECT_TRUE(SamePortrait(start, CurrentPortrait()));
  EXPECT_FALSE(UndoChange());

  Command(IDC_CATEGORY_GLASSES);
  DeleteFileA((folder / "kao\\kao-c-001.bmp").c_str());
  Command(IDC_RANDOM_PORTRAIT);
  EXPECT_EQ(LayerTable[CAT_GLASSES].mode, MODE_OFF) << "no file: off";
  LayerTable[CAT_NOSE].x = 77;
  Command(IDC_RANDOM_PART);
  EXPECT_EQ(LayerTable[CAT_NOSE].x, 77) << "only the current category";

  // A lock keeps the nose through both, and shows above its button.
  Command(IDC_CATEGORY_NOSE);
  RECT button;
  GetWindowRect(GetDlgItem(window_, IDC_CATEGORY_NOSE), &button);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT *>(&button), 2);
  // The pixels just above the button that differ from those before the lock.
  std::vector<Bgr> unlocked = ClientPixels(window_);
  auto marked = [&] {
    std::vector<Bgr> pixels = ClientPixels(window_);
    RECT client;
    GetClientRect(window_, &client);
    int marks = 0;
    for (int y = std::max(0L, button.top - 8); y < button.top; ++y)
      for (int x = button.left; x < button.right; ++x) marks += !(pixels[y * client.right + x] == unlocked[y * client.right + x]);
    return marks;
  };
  Command(IDC_LOCK_PART);
  Command(IDC_RANDOM_PORTRAIT);
  Command(IDC_RANDOM_PART);
  EXPECT_EQ(LayerTable[CAT_NOSE].x, 77) << "locked";
  EXPECT_GT(marked(), 10);
  Command(IDC_LOCK_PART);
  EXPECT_EQ(marked(), 0);

  // 色をそろえる as one change; the 色 button's colour stays the part's own.
  LayerTable[CAT_EYEBROWS].red = 7;
  ClearHistory();
  Command(IDC_MATCH_COLOURS);
  EXPECT_TRUE(same(LayerTable[CAT_EYEBROWS], LayerTable[CAT_HAIR]));
  Command(IDC_UNDO);
  EXPECT_EQ(LayerTable[CAT_EYEBROWS].red, 7);
  EXPECT_FALSE(UndoChange());
  ClearHistory();
}

// The window's client area as it stands on the screen, top row first.
std::vector<Bgr> ClientPixels(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof info.bmiHeader, client.right, -client.bottom, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void *bits;
  HDC windowDC = GetDC(window);
  HDC copyDC = CreateCompatibleDC(windowDC);
  HBITMAP copy = CreateDIBSection(windowDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(copyDC, copy);
  BitBlt(copyDC, 0, 0, client.right, client.bottom, windowDC, 0, 0, SRCCOPY);
  GdiFlush();
  std::vector<Bgr> pixels;
  int stride = (client.right * 3 + 3) / 4 * 4;
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x) {
      const unsigned char *p = static_cast<unsigned char *>(bits) + y * stride + x * 3;
      pixels.push_back(Bgr{p[0], p[1], p[2]});
    }
  SelectObject(copyDC, previous);
  DeleteObject(copy);
  DeleteDC(copyDC);
  ReleaseDC(window, windowDC);
  return pixels;
}

void Place(PartSlot &slot, const char *path, int mode, int x, int y, int width, int height,
           int angle, Bgr colour) {
  std::strcpy(slot.path, path);
  slot.mode = mode;
  slot.x = x, slot.y = y, slot.width = width, slot.height = height, slot.angle = angle;
  slot.blue = colour.blue, slot.green = colour.green, slot.red = colour.red;
}

// A portrait with a face, a turned hair, turned pairs, a piece and a part
// that spills far over the canvas's edge onto the controls, under a palette
// of eyes: the frame puts on the window exactly what drawing the same
// straight on the window, erased first, then repainting the controls, puts
// there.
TEST_F(EditorWindow, TheFrameShowsExactlyWhatDrawingOnTheWindowItselfShows) {
  PartFolder folder;
  FailureLog failures;
  auto ring = [](int x, int y) {
    if ((x - 40) * (x - 40) + (y - 50) * (y - 50) > 38 * 38) return WHITE;
    return (x + y) % 9 == 0 ? BLACK : Bgr{90, 90, 90};
  };
  auto stripes = [](int x, int y) { return (x / 3 + y / 4) % 2 ? BLACK : WHITE; };
  folder.Write("kao\\kao-1-001.bmp", 80, 100, ring);
  folder.Write("kao\\kao-b-001.bmp", 80, 40, stripes);
  folder.Write("kao\\kao-3-001.bmp", 17, 9, stripes);
  folder.Write("kao\\kao-3-002.bmp", 24, 12, [](int x, int) { return x < 12 ? Bgr{0, 0, 200} : BLACK; });
  folder.Write("kao\\kao-5-001.bmp", 13, 11, stripes);
  folder.Write("kao\\kao-2-001.bmp", 9, 7, [](int, int) { return Bgr{30, 160, 30}; });
  Place(LayerTable[CAT_FACE], "kao\\kao-1-001.bmp", MODE_SINGLE, 0, 0, 80, 100, 0, {128, 255, 255});
  Place(LayerTable[CAT_HAIR], "kao\\kao-b-001.bmp", MODE_SINGLE, -4, -6, 90, 44, -20, {0, 40, 120});
  Place(LayerTable[CAT_EYES], "kao\\kao-3-001.bmp", MODE_PAIR, 11, 38, 19, 8, 15, {200, 0, 0});
  Place(LayerTable[CAT_NOSE], "kao\\kao-5-001.bmp", MODE_SINGLE, -38, 70, 260, 90, 35, {0, 0, 0});
  Place(PieceTable[0], "kao\\kao-2-001.bmp", MODE_PAIR, 8, 55, 9, 7, -10, {30, 160, 30});
  currentCategory = CAT_EYES;
  ScanPartFolder();
  ASSERT_EQ(partCount, 2);
  LayerTable[CAT_EYES].listIndex = 1;

  RepaintEditor(window_);
  PumpMessages();
  std::vector<Bgr> framed = ClientPixels(window_);

  HDC dc = GetDC(window_);
  PaintEditor(window_, dc);
  ReleaseDC(window_, dc);
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  std::vector<Bgr> direct = ClientPixels(window_);

  ASSERT_EQ(framed.size(), direct.size());
  int differing = 0;
  for (std::size_t i = 0; i < framed.size(); ++i) differing += !(framed[i] == direct[i]);
  EXPECT_EQ(differing, 0) << "of " << framed.size();
  EXPECT_GT(std::count(framed.begin(), framed.end(), Bgr{200, 0, 0}), 20) << "both eyes";
  EXPECT_GT(std::count(framed.begin(), framed.end(), Bgr{0, 40, 120}), 200) << "the hair";
  EXPECT_TRUE(failures.entries().empty());
}

}  // namespace

namespace {

// Runs ReadStartDirectory with the current directory at path and puts
// everything back afterwards.
int ReadStartDirectoryIn(const std::string &path, std::string &read) {
  char savedDir[MAX_PATH];
  GetCurrentDirectoryA(sizeof savedDir, savedDir);
  ScopedSwap keepBase(baseDir);
  int result = -1;
  if (SetCurrentDirectoryA(path.c_str())) result = ReadStartDirectory();
  read = baseDir;
  SetCurrentDirectoryA(savedDir);
  return result;
}

TEST(StartDirectory, NonAsciiFoldersAreReadAndScanned) {
  TempDir dir;
  const std::string folder = dir / "\x95\x5C\x83\x5C";  // 表ソ: trail bytes are backslashes
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  CreateDirectoryA((folder + "\\kao").c_str(), nullptr);
  WriteFileBytes(folder + "\\kao\\kao-1-001.bmp", {'B', 'M'});
  std::string read;
  FailureLog failures;
  ASSERT_EQ(ReadStartDirectoryIn(folder, read), 1);
  EXPECT_EQ(lstrcmpiA(read.c_str(), folder.c_str()), 0);
  EXPECT_TRUE(failures.entries().empty());

  ScopedSwap keepBase(baseDir);
  ScopedSwap keepCount(partCount), keepCategory(currentCategory);
  char startDir[MAX_PATH];
  GetCurrentDirectoryA(sizeof startDir, startDir);
  lstrcpynA(baseDir, read.c_str(), sizeof baseDir);
  currentCategory = CAT_FACE;
  ScanPartFolder();
  EXPECT_EQ(partCount, 1);
  SetCurrentDirectoryA(startDir);  // the scan made the folder current
}

TEST(StartDirectory, AFolderLongerThanBaseDirStopsTheProgramWithAMessage) {
  // Build a folder of 257 characters, one more than baseDir holds, with the
  // wide calls, which take long paths.
  TempDir dir;
  std::string path = dir.path();
  while (path.size() < 257) {
    path += "\\" + std::string(std::min<size_t>(40, 256 - path.size()), 'd');
    std::wstring wide(L"\\\\?\\");
    for (char c : path) wide += static_cast<wchar_t>(c);
    CreateDirectoryW(wide.c_str(), nullptr);
  }
  std::string read;
  FailureLog failures;
  int result = ReadStartDirectoryIn(path, read);
  if (result == -1) GTEST_SKIP() << "the platform would not make " << path.size() << " characters current";
  ASSERT_EQ(path.size(), 257u);
  EXPECT_EQ(result, 0);
  ASSERT_EQ(failures.entries().size(), 1u);
  EXPECT_EQ(failures.entries()[0].text, TEXT_START_DIR_TOO_LONG);
  EXPECT_EQ(failures.entries()[0].caption, CAPTION_START_DIR);
}

}  // namespace
