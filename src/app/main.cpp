#include <windows.h>

#include "document.h"
#include "editor.h"
#include "recovery.h"
#include "settings.h"
#include "unsaved.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  appInstance = instance;
  if (!ReadStartDirectory()) return 0;
  UseProgramSettings();
  HWND window = CreateEditorWindow(instance);
  if (!window) return 0;
  CentreEditorWindow(window);
  StartRecovery(window);
  OfferRecovery(window);
  OpenStartFile(window, GetCommandLineW());
  RunMessageLoop();
  return 0;
}
