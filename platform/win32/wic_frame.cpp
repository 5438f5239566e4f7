#include "platform/win32/wic_frame.h"

#include <limits>

#include "platform/win32/com_apartment.h"

namespace corvane::platform {

namespace {

WicFrame Fail(const char* why) {
  WicFrame none;
  none.error = why;
  return none;
}

}  // namespace

WicFrame OpenFirstFrame(std::span<const std::uint8_t> data, const GUID& container) {
  if (data.size() > std::numeric_limits<DWORD>::max()) return Fail("file too large");
  if (!EnterComApartment()) return Fail("COM is not available on this thread");
  WicFrame picture;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(&picture.factory)))) {
    return Fail("the imaging component is not available");
  }
  ComPtr<IWICStream> stream;
  // The stream only reads the bytes, but its interface takes them as writable.
  if (FAILED(picture.factory->CreateStream(&stream)) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(data.data()),
                                          static_cast<DWORD>(data.size())))) {
    return Fail("cannot read the data");
  }
  if (FAILED(picture.factory->CreateDecoder(container, nullptr, &picture.decoder)) ||
      FAILED(picture.decoder->Initialize(stream.Get(), WICDecodeMetadataCacheOnDemand))) {
    return Fail("not a file of this kind");
  }
  if (FAILED(picture.decoder->GetFrame(0, &picture.frame))) return Fail("damaged picture data");
  return picture;
}

bool CopyBgrPixels(const WicFrame& picture, std::uint8_t* pixels, int pitch, int height) {
  ComPtr<IWICFormatConverter> converter;
  return SUCCEEDED(picture.factory->CreateFormatConverter(&converter)) &&
         SUCCEEDED(converter->Initialize(picture.frame.Get(), GUID_WICPixelFormat32bppBGR,
                                         WICBitmapDitherTypeNone, nullptr, 0.0,
                                         WICBitmapPaletteTypeCustom)) &&
         SUCCEEDED(converter->CopyPixels(nullptr, static_cast<UINT>(pitch),
                                         static_cast<UINT>(pitch) * static_cast<UINT>(height),
                                         pixels));
}

}  // namespace corvane::platform
