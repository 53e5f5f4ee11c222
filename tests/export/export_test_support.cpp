#include "export_test_support.h"

#include <algorithm>
#include <cstring>

#include "failure.h"
#include "portrait.h"
#include "texts.h"

Bgr PatternPixel(int seed, int x, int y) {
  return Bgr{static_cast<std::uint8_t>((x * 5 + seed * 40) & 0xFF),
             static_cast<std::uint8_t>((y * 3 + seed * 70) & 0xFF),
             static_cast<std::uint8_t>((x * 7 + y * 11 + seed) & 0xFF)};
}

namespace {

LRESULT CALLBACK PatternWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  int seed = static_cast<int>(GetWindowLongPtrA(window, GWLP_USERDATA));
  RECT client;
  GetClientRect(window, &client);
  int width = client.right, height = client.bottom;
  std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      Bgr p = PatternPixel(seed, x, y);
      pixels[static_cast<size_t>(y) * width + x] = p.blue | (p.green << 8) | (p.red << 16);
    }
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  EndPaint(window, &paint);
  return 0;
}

}  // namespace

HWND CreatePatternWindow(int seed, int width, int height) {
  static ATOM windowClass = 0;
  if (!windowClass) {
    WNDCLASSA description = {};
    description.lpfnWndProc = PatternWindowProc;
    description.hInstance = GetModuleHandleA(nullptr);
    description.lpszClassName = "NigaoeTestPattern";
    windowClass = RegisterClassA(&description);
  }
  RECT frame = {0, 0, width, height};
  AdjustWindowRect(&frame, WS_POPUP, FALSE);
  HWND window = CreateWindowA("NigaoeTestPattern", "pattern", WS_POPUP | WS_VISIBLE, 30, 30,
                              frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(window, GWLP_USERDATA, seed);
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
  PumpMessages();
  return window;
}


namespace {

const int FILE_NAME_BOX = 0x47C;  // cmb13, the file name box of the dialog
const int ANSWER_TICK_MS = 50;
const int ANSWER_GIVE_UP_TICKS = 200;

struct AnswerState {
  bool active = false;
  bool cancel = false;
  std::vector<std::string> names;
  size_t typed = 0;
  bool shown = false;
  HWND owner = nullptr;
  std::string proposal;
  int ticks = 0;
  UINT_PTR timer = 0;
};
AnswerState answer;

BOOL CALLBACK FindSaveDialog(HWND window, LPARAM found) {
  char className[16] = {0}, title[64] = {0};
  GetClassNameA(window, className, sizeof className);
  GetWindowTextA(window, title, sizeof title);
  if (std::strcmp(className, "#32770") == 0 && std::strcmp(title, TEXT_SAVE_TITLE) == 0 &&
      IsWindowVisible(window)) {
    *reinterpret_cast<HWND *>(found) = window;
    return FALSE;
  }
  return TRUE;
}

// Any dialog of this thread, for the give-up path.
BOOL CALLBACK CancelDialog(HWND window, LPARAM) {
  char className[16] = {0};
  GetClassNameA(window, className, sizeof className);
  if (std::strcmp(className, "#32770") == 0) PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
  return TRUE;
}

void CALLBACK AnswerTick(HWND, UINT, UINT_PTR, DWORD) {
  if (!answer.active) return;
  if (++answer.ticks > ANSWER_GIVE_UP_TICKS) {
    EnumThreadWindows(GetCurrentThreadId(), CancelDialog, 0);
    return;
  }
  if (answer.cancel ? answer.shown : answer.typed == answer.names.size()) return;
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindSaveDialog, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog) return;
  if (!answer.shown) {
    answer.shown = true;
    answer.owner = GetWindow(dialog, GW_OWNER);
    char proposal[512] = {0};
    GetDlgItemTextA(dialog, FILE_NAME_BOX, proposal, sizeof proposal);
    answer.proposal = proposal;
  }
  if (answer.cancel) {
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  } else {
    SetDlgItemTextA(dialog, FILE_NAME_BOX, answer.names[answer.typed++].c_str());
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  }
}

}  // namespace

SaveDialogAnswer::SaveDialogAnswer(const char *name)
    : SaveDialogAnswer(name ? std::vector<std::string>{name} : std::vector<std::string>{}) {}

SaveDialogAnswer::SaveDialogAnswer(const std::vector<std::string> &names) {
  answer = AnswerState();
  answer.active = true;
  answer.cancel = names.empty();
  answer.names = names;
  answer.timer = SetTimer(nullptr, 0, ANSWER_TICK_MS, AnswerTick);
}

SaveDialogAnswer::~SaveDialogAnswer() {
  KillTimer(nullptr, answer.timer);
  answer.active = false;
}

bool SaveDialogAnswer::shown() const { return answer.shown; }
HWND SaveDialogAnswer::owner() const { return answer.owner; }
std::string SaveDialogAnswer::proposal() const { return answer.proposal; }


testing::AssertionResult ShowsPattern(HDC dc, int seed, int fromX, int fromY) {
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 80; ++x)
      if (!(PixelAt(dc, x, y) == PatternPixel(seed, fromX + x, fromY + y)))
        return testing::AssertionFailure() << "pixel " << x << ", " << y << " differs";
  return testing::AssertionSuccess();
}

testing::AssertionResult WindowShowsPattern(HWND window, int seed, int fromX, int fromY) {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
  HDC dc = GetDC(window);
  testing::AssertionResult result = ShowsPattern(dc, seed, fromX, fromY);
  ReleaseDC(window, dc);
  return result;
}

testing::AssertionResult BitmapShowsPattern(HBITMAP bitmap, int seed, int fromX, int fromY) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  testing::AssertionResult result = ShowsPattern(dc, seed, fromX, fromY);
  SelectObject(dc, previous);
  DeleteDC(dc);
  return result;
}

std::string CurrentDirectory() {
  char directory[MAX_PATH] = {0};
  GetCurrentDirectoryA(sizeof directory, directory);
  return directory;
}

BaseDirScope::BaseDirScope(const std::string &directory) : saved_(baseDir) {
  std::memset(baseDir, 0, sizeof baseDir);
  lstrcpynA(baseDir, directory.c_str(), sizeof baseDir);
}

BaseDirScope::~BaseDirScope() {
  std::memset(baseDir, 0, sizeof baseDir);
  lstrcpynA(baseDir, saved_.c_str(), sizeof baseDir);
  SetCurrentDirectoryA(baseDir);
}
