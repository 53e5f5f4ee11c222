// Tells scripts/e2e-save.sh what scripts/screenshot-portrait.sh's helper
// does not: "canvas", the screen position of the canvas's top-left corner in
// an editor just started, and "preview <id>", the centre of a control of the
// preview window. Prints "x y" and exits 0, or exits 1 while the window is
// not there. The clicks themselves are real input events the script sends.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "model/portrait.h"

static const char EDITOR_CAPTION[] = "似顔絵ソフト　Ver1.00";
static const char PREVIEW_CAPTION[] = "画像の取込後保存";

int main(int argc, char **argv) {
  POINT at = {0, 0};
  if (argc == 2 && !std::strcmp(argv[1], "canvas")) {
    HWND editor = FindWindowA(nullptr, EDITOR_CAPTION);
    if (!editor || !IsWindowVisible(editor)) return 1;
    ResetPortrait();  // the start values: where the canvas is
    at.x = canvasX;
    at.y = canvasY;
    ClientToScreen(editor, &at);
  } else if (argc == 3 && !std::strcmp(argv[1], "preview")) {
    HWND preview = FindWindowA(nullptr, PREVIEW_CAPTION);
    HWND control = preview && IsWindowVisible(preview) ? GetDlgItem(preview, std::atoi(argv[2])) : nullptr;
    RECT r;
    if (!control || !GetWindowRect(control, &r)) return 1;
    at.x = (r.left + r.right) / 2;
    at.y = (r.top + r.bottom) / 2;
  } else {
    std::fprintf(stderr, "usage: e2e_locate canvas | preview <id>\n");
    return 2;
  }
  std::printf("%ld %ld\n", at.x, at.y);
  return 0;
}
