// Tells scripts/screenshot-portrait.sh where to click in the running
// editor, by screen coordinates: "button <id>" the centre of a control,
// "cell <k>" the centre of the k-th thumbnail cell on show, "window" the
// editor's rectangle (left top width height). Prints the numbers and exits
// 0, or exits 1 while the editor is not there. The clicks themselves are
// real input events that the script sends.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "render/palette.h"

static const char EDITOR_CAPTION[] = "似顔絵ソフト　Ver1.00";

int main(int argc, char **argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: screenshot_locate button <id> | cell <k> | window\n");
    return 2;
  }
  HWND editor = FindWindowA(nullptr, EDITOR_CAPTION);
  if (!editor || !IsWindowVisible(editor)) return 1;
  if (!std::strcmp(argv[1], "window")) {
    RECT r;
    GetWindowRect(editor, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
  }
  if (argc < 3) return 2;
  POINT at;
  if (!std::strcmp(argv[1], "button")) {
    RECT r;
    HWND control = GetDlgItem(editor, std::atoi(argv[2]));
    if (!control || !GetWindowRect(control, &r)) return 1;
    at.x = (r.left + r.right) / 2;
    at.y = (r.top + r.bottom) / 2;
  } else if (!std::strcmp(argv[1], "cell")) {
    at.x = PaletteCellLeft(std::atoi(argv[2])) + CELL_WIDTH / 2;
    at.y = CELL_TOP + CELL_HEIGHT / 2;
    ClientToScreen(editor, &at);
  } else {
    return 2;
  }
  std::printf("%ld %ld\n", at.x, at.y);
  return 0;
}
