#include "image_export.h"

#include <cstdint>
#include <vector>

#include "file_dialog.h"
#include "file_io.h"
#include "image_bmp.h"
#include "image_png.h"
#include "image_scale.h"
#include "portrait.h"
#include "text.h"
#include "texts.h"

namespace {

// Each filter pair's extension, in TEXT_EXPORT_FILTER's order (IMAGE_PNG,
// IMAGE_BMP), and the end of the list.
const wchar_t *const TYPE_EXTENSIONS[] = {L"png", L"bmp", nullptr};

}  // namespace

int WriteCanvasImage(HWND editor, const std::wstring &path, ImageFormat format, const ExportOptions &options,
                     Failure *failure) {
  CanvasImage scaled;
  std::vector<std::uint8_t> bytes;
  Failure drawn = {};
  if (!ScaledCanvasImage(editor, options.scale, &scaled, &drawn)) {
    NoteFailure(failure, drawn.text, drawn.caption);
    return 0;
  }
  if (format == IMAGE_BMP)
    bytes = BmpFileOf(scaled);
  else if (!PngFileOf(scaled, options.transparent, &bytes, failure))
    return 0;
  if (!WriteFileReplacing(path, bytes.data(), static_cast<DWORD>(bytes.size()), failure)) return 0;
  // Written without a part that could not be drawn: that is told as well.
  NoteFailure(failure, drawn.text, drawn.caption);
  return 1;
}

ImageFormat ChosenImageFormat(const std::wstring &path, int filterIndex) {
  std::size_t dot = path.find_last_of(L".\\/");
  if (dot != std::wstring::npos && path[dot] == L'.')
    for (ImageFormat format : {IMAGE_PNG, IMAGE_BMP})
      if (lstrcmpiW(path.c_str() + dot + 1, TYPE_EXTENSIONS[format]) == 0) return format;
  return filterIndex == 2 ? IMAGE_BMP : IMAGE_PNG;
}

void ExportCanvasImage(HWND editor, const std::wstring &proposedStem) {
  ExportOptions options = exportOptions;
  if (canvasWidth <= 0 || canvasHeight <= 0) {
    ShowFailure(editor, TEXT_NO_CANVAS, TEXT_EXPORT_TITLE);
    return;
  }
  if (!askExportOptions(editor, &options)) return;
  exportOptions = options;
  std::wstring name = proposedStem.empty() ? ProgramText(TEXT_EXPORT_NAME)
                                           : WithExtension(proposedStem, TYPE_EXTENSIONS[IMAGE_PNG]);
  FileQuestion question = {editor, true, TEXT_EXPORT_TITLE, TEXT_EXPORT_FILTER, TYPE_EXTENSIONS[IMAGE_PNG],
                           name, PictureFolder(), DIALOG_FILES, TYPE_EXTENSIONS};
  FileAnswer answer;
  if (!askFile(question, &answer)) return;
  Failure failure = {};
  WriteCanvasImage(editor, answer.path, ChosenImageFormat(answer.path, answer.filterIndex), options, &failure);
  if (failure.text) ShowFailure(editor, failure);
}
