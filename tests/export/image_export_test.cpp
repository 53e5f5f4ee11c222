#include "image_export.h"

#include <wincodec.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "clipboard.h"
#include "file_dialog.h"
#include "compositor.h"
#include "render/render_fixtures.h"
#include "text.h"
#include "texts.h"

namespace {

// A picture read back from a file's bytes: width, height and blue, green,
// red, alpha for each pixel, top row first.
struct Decoded {
  int width = 0, height = 0;
  std::vector<std::uint8_t> pixels;
  const std::uint8_t *at(int x, int y) const { return &pixels[(y * width + x) * 4]; }
};

Decoded DecodePng(const std::vector<std::uint8_t> &png) {
  Decoded decoded;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IWICImagingFactory *factory = nullptr;
  IWICStream *stream = nullptr;
  IWICBitmapDecoder *decoder = nullptr;
  IWICBitmapFrameDecode *frame = nullptr;
  IWICFormatConverter *converter = nullptr;
  UINT width = 0, height = 0;
  if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                 reinterpret_cast<void **>(&factory))) &&
      SUCCEEDED(factory->CreateStream(&stream)) &&
      SUCCEEDED(stream->InitializeFromMemory(const_cast<BYTE *>(png.data()), static_cast<DWORD>(png.size()))) &&
      SUCCEEDED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) &&
      SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
      SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                      WICBitmapPaletteTypeCustom)) &&
      SUCCEEDED(converter->GetSize(&width, &height))) {
    decoded.width = width, decoded.height = height;
    decoded.pixels.resize(width * height * 4);
    if (FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(decoded.pixels.size()),
                                     decoded.pixels.data())))
      decoded = Decoded();
  }
  for (IUnknown *held : std::initializer_list<IUnknown *>{converter, frame, decoder, stream, factory})
    if (held) held->Release();
  CoUninitialize();
  return decoded;
}

// A 24-bit bottom-up BMP, or a device-independent bitmap (the same without
// the 14-byte file header), read byte by byte.
Decoded DecodeBmp(const std::vector<std::uint8_t> &bytes, std::size_t infoAt) {
  Decoded decoded;
  auto read32 = [&](std::size_t at) {
    return static_cast<int>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | bytes[at + 3] << 24);
  };
  if (bytes.size() < infoAt + 40 || bytes[infoAt + 14] != 24) return decoded;
  decoded.width = read32(infoAt + 4), decoded.height = read32(infoAt + 8);
  std::size_t stride = (decoded.width * 3 + 3) / 4 * 4, rows = infoAt + 40;
  if (bytes.size() != rows + stride * decoded.height) return Decoded();
  for (int y = 0; y < decoded.height; ++y)
    for (int x = 0; x < decoded.width; ++x) {
      const std::uint8_t *p = &bytes[rows + stride * (decoded.height - 1 - y) + x * 3];
      decoded.pixels.insert(decoded.pixels.end(), {p[0], p[1], p[2], 255});
    }
  return decoded;
}

void Place(PartSlot &slot, const char *path, int x, int y, Bgr colour) {
  std::strcpy(slot.path, path);
  slot.mode = MODE_SINGLE;
  slot.x = x, slot.y = y, slot.width = 24, slot.height = 24;
  slot.blue = colour.blue, slot.green = colour.green, slot.red = colour.red;
}

const Bgr RED = {0, 0, 255};

// A red square, and a square recoloured white, which is drawn (its black
// turns white after the mask is made) although it is as white as the canvas.
TEST(ImageExport, FilesAndTheClipboardHoldTheCanvasAtEachScaleWithItsBackgroundTransparent) {
  PartFolder folder;
  FailureLog failures;
  ResetPortrait();
  folder.Write("kao\\kao-5-001.bmp", 24, 24, [](int, int) { return BLACK; });
  folder.Write("kao\\kao-2-001.bmp", 24, 24, [](int, int) { return BLACK; });
  Place(LayerTable[CAT_NOSE], "kao\\kao-5-001.bmp", 4, 4, RED);
  Place(PieceTable[0], "kao\\kao-2-001.bmp", 40, 40, WHITE);
  Surface shown(300, 300);
  ComposePortrait(shown.window(), shown.dc());

  CanvasImage image;
  ASSERT_TRUE(RenderCanvasImage(shown.window(), &image, nullptr));
  ASSERT_EQ(image.width, 80);
  ASSERT_EQ(image.height, 100);
  int red = 0, whiteDrawn = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 80; ++x) {
      const std::uint8_t *p = &image.pixels[(y * 80 + x) * 4];
      Bgr colour = {p[0], p[1], p[2]};
      ASSERT_TRUE(colour == shown.At(canvasX + x, canvasY + y)) << x << "," << y;
      // A square's turned corners at angle 0 take a row off its top and bottom.
      bool inWhiteSquare = x >= 40 && x < 64 && y >= 41 && y < 63;
      if (colour == RED) ++red;
      if (colour == WHITE && inWhiteSquare) ++whiteDrawn;
      EXPECT_EQ(p[3], colour == RED || inWhiteSquare ? 255 : 0) << x << "," << y;
    }
  EXPECT_GT(red, 400);
  EXPECT_GT(whiteDrawn, 400);

  TempDir out;
  const struct {
    int scale;
    ImageFormat format;
    bool transparent;
  } files[] = {{1, IMAGE_PNG, true}, {4, IMAGE_PNG, true}, {4, IMAGE_PNG, false}, {1, IMAGE_BMP, true},
               {4, IMAGE_BMP, false}};
  std::vector<std::pair<Decoded, bool>> pictures;
  for (const auto &f : files) {
    std::string path = out / "portrait.out";
    ASSERT_TRUE(WriteCanvasImage(shown.window(), SystemText(path.c_str()), f.format, {f.scale, f.transparent}, nullptr));
    std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    pictures.push_back({f.format == IMAGE_PNG ? DecodePng(bytes) : DecodeBmp(bytes, 14),
                        f.format == IMAGE_PNG && f.transparent});
  }
  // Copied while another thread holds the clipboard open for a moment.
  exportOptions = {3, true};
  HANDLE held = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread other([held] {
    bool open = OpenClipboard(nullptr);
    SetEvent(held);
    Sleep(150);
    if (open) CloseClipboard();
  });
  WaitForSingleObject(held, INFINITE);
  bool copied = CopyCanvasImage(shown.window());
  other.join();
  CloseHandle(held);
  ASSERT_TRUE(copied);
  ASSERT_TRUE(OpenClipboard(shown.window()));
  for (UINT format : {static_cast<UINT>(CF_DIB), RegisterClipboardFormatW(L"PNG")}) {
    HGLOBAL held = GetClipboardData(format);
    ASSERT_NE(held, nullptr);
    const std::uint8_t *bytes = static_cast<const std::uint8_t *>(GlobalLock(held));
    std::vector<std::uint8_t> copy(bytes, bytes + GlobalSize(held));
    GlobalUnlock(held);
    if (format == CF_DIB) copy.resize(40 + 240 * 3 * 300);  // the block may be rounded up
    pictures.push_back({format == CF_DIB ? DecodeBmp(copy, 0) : DecodePng(copy), format != CF_DIB});
  }
  CloseClipboard();
  exportOptions = {4, false};

  for (const auto &picture : pictures) {
    const Decoded &d = picture.first;
    ASSERT_TRUE(d.width && d.width % 80 == 0) << d.width;
    int scale = d.width / 80;
    ASSERT_EQ(d.height, 100 * scale);
    int differing = 0;
    for (int y = 0; y < d.height; ++y)
      for (int x = 0; x < d.width; ++x) {
        const std::uint8_t *want = &image.pixels[((y / scale) * 80 + x / scale) * 4];
        differing += std::memcmp(d.at(x, y), want, 3) != 0 || d.at(x, y)[3] != (picture.second ? want[3] : 255);
      }
    EXPECT_EQ(differing, 0) << "at scale " << scale;
  }
  EXPECT_TRUE(failures.entries().empty());
  ResetPortrait();
}

// The export command proposes the portrait file's name, and writes the
// format the chosen name says.
TEST(ImageExport, TheProposalIsThePortraitsNameAndTheNameSaysTheFormat) {
  PartFolder folder;
  FailureLog failures;
  ResetPortrait();
  Surface shown(300, 300);
  TempDir out;
  static std::wstring proposed, answered;
  ScopedSwap<ExportOptions> kept(exportOptions);
  ScopedSwap<ExportOptionsAsker> options(askExportOptions, [](HWND, ExportOptions *chosen) {
    *chosen = {1, false};
    return 1;
  });
  ScopedSwap<FileAsker> asker(askFile, [](const FileQuestion &question, FileAnswer *answer) {
    proposed = question.name;
    *answer = {answered, 1};  // the PNG type left chosen
    return 1;
  });
  const struct {
    const wchar_t *stem, *proposal;
    const char *name, *start;
  } cases[] = {{L"", L"\u4f3c\u9854\u7d75.png", "a.bmp", "BM"}, {L"face", L"face.png", "b.png", "\x89PNG"}};
  for (const auto &c : cases) {
    answered = SystemText((out / c.name).c_str());
    ExportCanvasImage(shown.window(), c.stem);
    EXPECT_EQ(proposed, c.proposal);
    std::vector<std::uint8_t> bytes = ReadFileBytes(out / c.name);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + std::min<std::size_t>(bytes.size(), std::strlen(c.start))),
              c.start);
  }
  EXPECT_TRUE(failures.entries().empty());
  // A part that cannot be drawn: the picture is written without it, and that is told.
  folder.Write("kao\\p.bmp", 20, 20, [](int, int) { return BLACK; });
  PartSlot &nose = LayerTable[CAT_NOSE];
  std::strcpy(nose.path, "kao\\p.bmp");
  nose.mode = MODE_SINGLE, nose.width = nose.height = 16000;
  answered = SystemText((out / "c.png").c_str());
  ExportCanvasImage(shown.window(), L"");
  EXPECT_FALSE(ReadFileBytes(out / "c.png").empty());
  ASSERT_EQ(failures.entries().size(), 1u);
  EXPECT_EQ(failures.entries()[0].text, TEXT_NO_DIB);
  ResetPortrait();
}

TEST(ImageExport, TheFormatFollowsTheNameThenTheChosenType) {
  EXPECT_EQ(ChosenImageFormat(L"C:\\a\\face.PNG", 2), IMAGE_PNG);
  EXPECT_EQ(ChosenImageFormat(L"face.Bmp", 1), IMAGE_BMP);
  EXPECT_EQ(ChosenImageFormat(L"face", 2), IMAGE_BMP);
  EXPECT_EQ(ChosenImageFormat(L"face.gif", 1), IMAGE_PNG);
}

}  // namespace
