#include "photo_file.h"

#include <wincodec.h>

#include "com_held.h"

#include "texts.h"

namespace {

int DecodePhoto(const std::wstring &path, PhotoImage *image, Failure *failure) {
  Held<IWICImagingFactory> factory;
  Held<IWICBitmapDecoder> decoder;
  Held<IWICBitmapFrameDecode> frame;
  Held<IWICFormatConverter> converter;
  Held<IWICBitmapScaler> scaler;
  UINT width = 0, height = 0;
  HRESULT result = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IWICImagingFactory, reinterpret_cast<void **>(&factory));
  if (SUCCEEDED(result))
    result = factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                &decoder);
  if (SUCCEEDED(result)) result = decoder->GetFrame(0, &frame);
  if (SUCCEEDED(result)) result = frame->GetSize(&width, &height);
  if (FAILED(result)) {
    NoteFailure(failure, TEXT_PHOTO_NOT_PICTURE, CAPTION_PHOTO);
    return 0;
  }
  if (!PhotoSizeAccepted(width, height)) {
    NoteFailure(failure, TEXT_PHOTO_TOO_LARGE, CAPTION_PHOTO);
    return 0;
  }
  SIZE kept = FitWithin({static_cast<LONG>(width), static_cast<LONG>(height)}, {PHOTO_KEPT_WIDTH, PHOTO_KEPT_HEIGHT});
  result = factory->CreateFormatConverter(&converter);
  if (SUCCEEDED(result))
    result = converter->Initialize(frame.p, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom);
  IWICBitmapSource *source = converter.p;
  if (SUCCEEDED(result) && (static_cast<UINT>(kept.cx) != width || static_cast<UINT>(kept.cy) != height)) {
    result = factory->CreateBitmapScaler(&scaler);
    if (SUCCEEDED(result))
      result = scaler->Initialize(converter.p, kept.cx, kept.cy, WICBitmapInterpolationModeFant);
    source = scaler.p;
  }
  std::vector<BYTE> bgra;
  if (SUCCEEDED(result)) {
    bgra.resize(static_cast<std::size_t>(kept.cx) * 4 * kept.cy);
    result = source->CopyPixels(nullptr, kept.cx * 4, static_cast<UINT>(bgra.size()), bgra.data());
  }
  if (FAILED(result)) {
    NoteFailure(failure, TEXT_PHOTO_NOT_PICTURE, CAPTION_PHOTO);
    return 0;
  }
  image->width = kept.cx;
  image->height = kept.cy;
  image->pixels.resize(static_cast<std::size_t>(kept.cx) * 3 * kept.cy);
  for (std::size_t i = 0, n = static_cast<std::size_t>(kept.cx) * kept.cy; i < n; ++i)
    for (int c = 0; c < 3; ++c) {
      unsigned alpha = bgra[4 * i + 3];
      image->pixels[3 * i + c] = static_cast<std::uint8_t>((bgra[4 * i + c] * alpha + 255 * (255 - alpha) + 127) / 255);
    }
  return 1;
}

}  // namespace

int ReadPhotoFile(const std::wstring &path, PhotoImage *image, Failure *failure) {
  // The thread may have COM already; then it is left as it was.
  HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  PhotoImage read;
  int done = DecodePhoto(path, &read, failure);
  if (SUCCEEDED(started)) CoUninitialize();
  if (done) *image = std::move(read);
  return done;
}
