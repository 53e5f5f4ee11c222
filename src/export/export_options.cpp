#include "export_options.h"

#include "portrait.h"
#include "resource.h"
#include "text.h"
#include "texts.h"

ExportOptions exportOptions = {4, false};

namespace {

INT_PTR CALLBACK ExportOptionsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(window, DWLP_USER, lParam);
      const ExportOptions *options = reinterpret_cast<const ExportOptions *>(lParam);
      HWND scales = GetDlgItem(window, IDC_EXPORT_SCALE);
      for (int scale = 1; scale <= EXPORT_SCALE_MAX; ++scale) {
        char label[64];
        wsprintfA(label, TEXT_EXPORT_SCALE, scale, canvasWidth * scale, canvasHeight * scale);
        SendMessageW(scales, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ProgramText(label).c_str()));
      }
      SendMessageW(scales, CB_SETCURSEL, options->scale - 1, 0);
      CheckDlgButton(window, IDC_EXPORT_TRANSPARENT, options->transparent ? BST_CHECKED : BST_UNCHECKED);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        ExportOptions *options = reinterpret_cast<ExportOptions *>(GetWindowLongPtrW(window, DWLP_USER));
        LRESULT chosen = SendDlgItemMessageW(window, IDC_EXPORT_SCALE, CB_GETCURSEL, 0, 0);
        options->scale = chosen >= 0 && chosen < EXPORT_SCALE_MAX ? static_cast<int>(chosen) + 1 : 1;
        options->transparent = IsDlgButtonChecked(window, IDC_EXPORT_TRANSPARENT) == BST_CHECKED;
        EndDialog(window, 1);
      } else if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(window, 0);
      }
      return TRUE;
  }
  return FALSE;
}

int AskWithOptionsWindow(HWND editor, ExportOptions *options) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(editor, GWLP_HINSTANCE));
  return DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_EXPORT), editor, ExportOptionsProc,
                         reinterpret_cast<LPARAM>(options)) == 1;
}

}  // namespace

ExportOptionsAsker askExportOptions = AskWithOptionsWindow;
