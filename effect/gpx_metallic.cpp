#include "abi/gpx_metallic.h"

#include <new>

#include "abi/dc_bitmap.h"
#include "effect/metallic_kernel.h"

namespace corvane {
namespace {

PixelRows RowsOf(const CorvaneBitmap& bitmap) {
  return PixelRows{bitmap.pixels, bitmap.width, bitmap.height, bitmap.pitch_bytes};
}

int32_t Metallic(uint32_t destination, uint32_t source, int32_t relief, int32_t phase,
                 int32_t variant) {
  CorvaneBitmap to{};
  CorvaneBitmap from{};
  if (CorvaneGetDCBitmap(destination, &to) == 0 || CorvaneGetDCBitmap(source, &from) == 0) {
    return GPX_ERROR_HANDLE;
  }
  if (to.width != from.width || to.height != from.height) return GPX_ERROR_SIZE;
  if (variant < 1 || variant > 3) return GPX_ERROR_VARIANT;
  const MetallicLook look{relief, phase, static_cast<Metal>(variant)};
  // The working rows are allocated before the first destination row is written, so running out of
  // memory leaves the destination untouched; and no exception may cross into a C caller.
  try {
    RenderMetallic(RowsOf(from), RowsOf(to), look);
  } catch (const std::bad_alloc&) {
    return GPX_ERROR_MEMORY;
  }
  return GPX_OK;
}

}  // namespace
}  // namespace corvane

// The library's one export. On PE, marking it keeps the linker from exporting everything else.
#if defined(_WIN32)
#define CORVANE_EXPORT __declspec(dllexport)
#else
#define CORVANE_EXPORT __attribute__((visibility("default")))
#endif

extern "C" CORVANE_EXPORT int32_t GPX_Metallic(uint32_t destination, uint32_t source,
                                               int32_t relief, int32_t phase, int32_t variant,
                                               int32_t* result) {
  const int32_t status = corvane::Metallic(destination, source, relief, phase, variant);
  if (result != nullptr) *result = status;
  return status;
}
