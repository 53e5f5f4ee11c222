#include "image_png.h"

#include <wincodec.h>

#include "com_held.h"

#include <cstring>

#include "row_stride.h"
#include "texts.h"

namespace {

HRESULT EncodePng(const CanvasImage &image, bool transparent, std::vector<std::uint8_t> *png) {
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
    UINT stride = static_cast<UINT>(RowStride(image.width, bytes));
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

}  // namespace

int PngFileOf(const CanvasImage &image, bool transparent, std::vector<std::uint8_t> *png, Failure *failure) {
  // The thread may have COM already; then it is left as it was.
  HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  HRESULT result = EncodePng(image, transparent, png);
  if (SUCCEEDED(started)) CoUninitialize();
  if (FAILED(result)) {
    NoteFailure(failure, TEXT_NOT_ENCODED, CAPTION_WIC);
    return 0;
  }
  return 1;
}
