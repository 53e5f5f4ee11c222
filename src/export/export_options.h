// The export's options window: the size and the transparency of the
// picture, which the clipboard copy uses too.
#pragma once

#include <windows.h>

const int EXPORT_SCALE_MAX = 8;

// What the user last chose in the export's options.
struct ExportOptions {
  int scale;
  bool transparent;  // PNG only
};
extern ExportOptions exportOptions;

// Shows the export options (sizes, transparency) for the canvas in a
// modal window owned by editor. Returns 1 with *options chosen, 0 when
// cancelled. Tests and the soak put stand-ins here.
typedef int (*ExportOptionsAsker)(HWND editor, ExportOptions *options);
extern ExportOptionsAsker askExportOptions;
