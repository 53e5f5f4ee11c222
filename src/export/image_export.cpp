#include "image_export.h"

#include <wincodec.h>

#include <cstring>

#include "bmp_export.h"
#include "bmp_file.h"
#include "compositor.h"
#include "failure.h"
#include "file_dialog.h"
#include "frame.h"
#include "paint_failure.h"
#include "portrait.h"
#include "resource.h"
#include "save_dialog.h"
#include "text.h"
#include "texts.h"

ExportOptions exportOptions = {4, false};

namespace {

const COLORREF SECOND_CANVAS = RGB(0, 0, 0);

// Copies the canvas rectangle out of a frame composed from the client
// origin: the colours, or where they differ from colours already taken,
// the transparency.
void TakeCanvas(const Pixels24 &frame, CanvasImage *image, bool compare) {
  for (int y = 0; y < image->height; ++y)
    for (int x = 0; x < image->width; ++x) {
      const unsigned char *from = PixelAddress(frame, canvasX + x, canvasY + y);
      std::uint8_t *to = &image->pixels[(static_cast<std::size_t>(y) * image->width + x) * 4];
      if (!compare) {
        std::memcpy(to, from, 3);
        to[3] = 255;
      } else if (std::memcmp(to, from, 3) != 0) {
        to[3] = 0;
      }
    }
}

}  // namespace

int RenderCanvasImage(HWND editor, CanvasImage *image) {
  if (canvasWidth <= 0 || canvasHeight <= 0) {
    ShowFailure(editor, TEXT_NO_CANVAS, TEXT_EXPORT_TITLE);
    return 0;
  }
  image->width = canvasWidth;
  image->height = canvasHeight;
  image->pixels.assign(static_cast<std::size_t>(canvasWidth) * canvasHeight * 4, 0);
  // One message at most, as in a paint.
  BeginPaintFailures();
  Frame frame;
  int made = OpenFrame(editor, nullptr, canvasX + canvasWidth, canvasY + canvasHeight, &frame);
  if (made) {
    ComposePortrait(editor, frame.dc, RGB(255, 255, 255), &frame.pixels);
    GdiFlush();
    TakeCanvas(frame.pixels, image, false);
    ComposePortrait(editor, frame.dc, SECOND_CANVAS, &frame.pixels);
    GdiFlush();
    TakeCanvas(frame.pixels, image, true);
    CloseFrame(&frame);
  }
  EndPaintFailures();
  return made;
}

CanvasImage ScaleCanvasImage(const CanvasImage &image, int scale) {
  CanvasImage scaled;
  scaled.width = image.width * scale;
  scaled.height = image.height * scale;
  scaled.pixels.resize(static_cast<std::size_t>(scaled.width) * scaled.height * 4);
  for (int y = 0; y < scaled.height; ++y)
    for (int x = 0; x < scaled.width; ++x)
      std::memcpy(&scaled.pixels[(static_cast<std::size_t>(y) * scaled.width + x) * 4],
                  &image.pixels[(static_cast<std::size_t>(y / scale) * image.width + x / scale) * 4], 4);
  return scaled;
}

std::vector<std::uint8_t> BmpFileOf(const CanvasImage &image) {
  std::vector<std::uint8_t> file(BmpFileSize(image.width, image.height), 0);
  if (file.empty()) return file;
  WriteBmpHeaders(file.data(), image.width, image.height);
  std::uint32_t rowSize = BmpRowSize(image.width);
  for (int y = 0; y < image.height; ++y) {
    std::uint8_t *row = &file[BMP_HEADER_SIZE + static_cast<std::size_t>(rowSize) * (image.height - 1 - y)];
    for (int x = 0; x < image.width; ++x)
      std::memcpy(row + 3 * x, &image.pixels[(static_cast<std::size_t>(y) * image.width + x) * 4], 3);
  }
  return file;
}

// Releases a COM interface when it goes.
template <typename T>
struct Held {
  T *p = nullptr;
  ~Held() {
    if (p) p->Release();
  }
  T **operator&() { return &p; }
  T *operator->() const { return p; }
};

static HRESULT EncodePng(const CanvasImage &image, bool transparent, std::vector<std::uint8_t> *png) {
  Held<IWICImagingFactory> factory;
  Held<IStream> stream;
  Held<IWICBitmapEncoder> encoder;
  Held<IWICBitmapFrameEncode> frame;
  Held<IPropertyBag2> properties;
  HRESULT result = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IWICImagingFactory, reinterpret_cast<void **>(&factory));
  if (SUCCEEDED(result)) result = CreateStreamOnHGlobal(nullptr, TRUE, &stream);
  if (SUCCEEDED(result)) result = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder);
  if (SUCCEEDED(result)) result = encoder->Initialize(stream.p, WICBitmapEncoderNoCache);
  if (SUCCEEDED(result)) result = encoder->CreateNewFrame(&frame, &properties);
  if (SUCCEEDED(result)) result = frame->Initialize(properties.p);
  if (SUCCEEDED(result)) result = frame->SetSize(image.width, image.height);
  WICPixelFormatGUID wanted = transparent ? GUID_WICPixelFormat32bppBGRA : GUID_WICPixelFormat24bppBGR;
  WICPixelFormatGUID format = wanted;
  if (SUCCEEDED(result)) result = frame->SetPixelFormat(&format);
  if (SUCCEEDED(result) && !IsEqualGUID(format, wanted)) result = E_FAIL;
  if (SUCCEEDED(result)) {
    int bytes = transparent ? 4 : 3;
    UINT stride = (image.width * bytes + 3) / 4 * 4;
    std::vector<BYTE> rows(static_cast<std::size_t>(stride) * image.height);
    for (int y = 0; y < image.height; ++y)
      for (int x = 0; x < image.width; ++x)
        std::memcpy(&rows[static_cast<std::size_t>(y) * stride + x * bytes],
                    &image.pixels[(static_cast<std::size_t>(y) * image.width + x) * 4], bytes);
    result = frame->WritePixels(image.height, stride, static_cast<UINT>(rows.size()), rows.data());
  }
  if (SUCCEEDED(result)) result = frame->Commit();
  if (SUCCEEDED(result)) result = encoder->Commit();
  HGLOBAL memory = nullptr;
  if (SUCCEEDED(result)) result = GetHGlobalFromStream(stream.p, &memory);
  STATSTG status = {};
  if (SUCCEEDED(result)) result = stream->Stat(&status, STATFLAG_NONAME);
  if (SUCCEEDED(result)) {
    const void *bytes = GlobalLock(memory);
    if (!bytes) return E_OUTOFMEMORY;
    png->assign(static_cast<const std::uint8_t *>(bytes),
                static_cast<const std::uint8_t *>(bytes) + status.cbSize.QuadPart);
    GlobalUnlock(memory);
  }
  return result;
}

int PngFileOf(HWND owner, const CanvasImage &image, bool transparent, std::vector<std::uint8_t> *png) {
  // The thread may have COM already; then it is left as it was.
  HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  HRESULT result = EncodePng(image, transparent, png);
  if (SUCCEEDED(started)) CoUninitialize();
  if (FAILED(result)) {
    ShowFailure(owner, TEXT_NOT_ENCODED, CAPTION_WIC);
    return 0;
  }
  return 1;
}

// The canvas at scale, or nothing after showing why.
static int ScaledCanvas(HWND editor, int scale, CanvasImage *scaled) {
  CanvasImage image;
  if (!RenderCanvasImage(editor, &image)) return 0;
  *scaled = ScaleCanvasImage(image, scale);
  return 1;
}

int WriteCanvasImage(HWND editor, const std::wstring &path, ImageFormat format, const ExportOptions &options) {
  CanvasImage scaled;
  std::vector<std::uint8_t> bytes;
  if (!ScaledCanvas(editor, options.scale, &scaled)) return 0;
  if (format == IMAGE_BMP)
    bytes = BmpFileOf(scaled);
  else if (!PngFileOf(editor, scaled, options.transparent, &bytes))
    return 0;
  return WriteFileReplacing(editor, path, bytes.data(), static_cast<DWORD>(bytes.size()));
}

ImageFormat ChosenImageFormat(const std::wstring &path, int filterIndex) {
  std::wstring extension = path.size() >= 4 ? path.substr(path.size() - 4) : std::wstring();
  if (lstrcmpiW(extension.c_str(), L".bmp") == 0) return IMAGE_BMP;
  if (lstrcmpiW(extension.c_str(), L".png") == 0) return IMAGE_PNG;
  return filterIndex == 2 ? IMAGE_BMP : IMAGE_PNG;
}

static INT_PTR CALLBACK ExportOptionsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
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

static int AskWithOptionsWindow(HWND editor, ExportOptions *options) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(editor, GWLP_HINSTANCE));
  return DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_EXPORT), editor, ExportOptionsProc,
                         reinterpret_cast<LPARAM>(options)) == 1;
}

ExportOptionsAsker askExportOptions = AskWithOptionsWindow;

void ExportCanvasImage(HWND editor) {
  ExportOptions options = exportOptions;
  if (canvasWidth <= 0 || canvasHeight <= 0) {
    ShowFailure(editor, TEXT_NO_CANVAS, TEXT_EXPORT_TITLE);
    return;
  }
  if (!askExportOptions(editor, &options)) return;
  exportOptions = options;
  FileQuestion question = {editor, true, TEXT_EXPORT_TITLE, TEXT_EXPORT_FILTER, L"png",
                           ProgramText(TEXT_EXPORT_NAME), PictureFolder()};
  FileAnswer answer;
  if (!askFile(question, &answer)) return;
  WriteCanvasImage(editor, answer.path, ChosenImageFormat(answer.path, answer.filterIndex), options);
}

// A movable global block holding size bytes of data, for the clipboard;
// null when there is no memory.
static HGLOBAL ClipboardBlock(const void *data, std::size_t size) {
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

int CopyCanvasImage(HWND editor) {
  CanvasImage scaled;
  std::vector<std::uint8_t> png;
  if (!ScaledCanvas(editor, exportOptions.scale, &scaled) ||
      !PngFileOf(editor, scaled, exportOptions.transparent, &png))
    return 0;
  // A device-independent bitmap is a BMP file without its 14-byte file header.
  std::vector<std::uint8_t> bmp = BmpFileOf(scaled);
  HGLOBAL dib = ClipboardBlock(bmp.data() + BMP_INFO_OFFSET, bmp.size() - BMP_INFO_OFFSET);
  HGLOBAL pngBlock = ClipboardBlock(png.data(), png.size());
  bool done = false;
  if (dib && pngBlock && OpenClipboard(editor)) {
    if (EmptyClipboard() && SetClipboardData(CF_DIB, dib)) {
      dib = nullptr;  // the clipboard's now
      if (SetClipboardData(RegisterClipboardFormatW(L"PNG"), pngBlock)) pngBlock = nullptr, done = true;
    }
    CloseClipboard();
  }
  if (dib) GlobalFree(dib);
  if (pngBlock) GlobalFree(pngBlock);
  if (!done) ShowFailure(editor, TEXT_NOT_COPIED, CAPTION_CLIPBOARD);
  return done;
}
