#pragma once

#include <wincodec.h>
#include <wrl/client.h>

#include <cstdint>
#include <span>
#include <string>

namespace corvane::platform {

template <typename T>
using ComPtr = Microsoft::WRL::ComPtr<T>;

// The first frame of a picture held in memory, decoded by the system's imaging component, with
// the factory that made it for the converters and palettes that read it. The caller keeps the
// bytes alive while it reads the frame.
struct WicFrame {
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  std::string error;  // why there is no frame
};

// Opens data with the decoder of `container` (GUID_ContainerFormatJpeg, ...), never another, so a
// file of the wrong kind fails here.
WicFrame OpenFirstFrame(std::span<const std::uint8_t> data, const GUID& container);

// The frame's pixels as 32-bit BGR, the byte order of the drawing core's pixels. False when the
// frame cannot be converted or read.
bool CopyBgrPixels(const WicFrame& picture, std::uint8_t* pixels, int pitch, int height);

}  // namespace corvane::platform
