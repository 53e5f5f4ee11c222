#include "clipboard.h"

#include <cstring>

#include "bmp_file.h"
#include "export_options.h"
#include "image_bmp.h"
#include "image_png.h"
#include "image_scale.h"
#include "texts.h"

namespace {

// A movable global block holding size bytes of data, for the clipboard;
// null when there is no memory.
HGLOBAL ClipboardBlock(const void *data, std::size_t size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  void *to = block ? GlobalLock(block) : nullptr;
  if (!to) {
    if (block) GlobalFree(block);
    return nullptr;
  }
  std::memcpy(to, data, size);
  GlobalUnlock(block);
  return block;
}

// Another program may hold the clipboard open for a moment (a clipboard
// manager reading what was just copied, another copy under way): a few more
// tries, a little apart, before the copy is given up.
const int CLIPBOARD_TRIES = 10;
const DWORD CLIPBOARD_RETRY_MS = 50;

}  // namespace

bool OpenClipboardWaiting(HWND owner) {
  for (int attempt = 1;; ++attempt) {
    if (OpenClipboard(owner)) return true;
    if (attempt == CLIPBOARD_TRIES) return false;
    Sleep(CLIPBOARD_RETRY_MS);
  }
}

int CopyCanvasImage(HWND editor) {
  CanvasImage scaled;
  std::vector<std::uint8_t> png;
  Failure failure = {}, drawn = {};
  if (!ScaledCanvasImage(editor, exportOptions.scale, &scaled, &drawn)) {
    ShowFailure(editor, drawn);
    return 0;
  }
  if (!PngFileOf(scaled, exportOptions.transparent, &png, &failure)) {
    ShowFailure(editor, failure);
    return 0;
  }
  // A device-independent bitmap is a BMP file without its 14-byte file header.
  std::vector<std::uint8_t> bmp = BmpFileOf(scaled);
  HGLOBAL dib = ClipboardBlock(bmp.data() + BMP_INFO_OFFSET, bmp.size() - BMP_INFO_OFFSET);
  HGLOBAL pngBlock = ClipboardBlock(png.data(), png.size());
  bool done = false;
  if (dib && pngBlock && OpenClipboardWaiting(editor)) {
    if (EmptyClipboard() && SetClipboardData(CF_DIB, dib)) {
      dib = nullptr;  // the clipboard's now
      if (SetClipboardData(RegisterClipboardFormatW(L"PNG"), pngBlock)) pngBlock = nullptr, done = true;
    }
    CloseClipboard();
  }
  if (dib) GlobalFree(dib);
  if (pngBlock) GlobalFree(pngBlock);
  if (!done)
    ShowFailure(editor, TEXT_NOT_COPIED, CAPTION_CLIPBOARD);
  else if (drawn.text)  // copied without a part that could not be drawn
    ShowFailure(editor, drawn);
  return done;
}
