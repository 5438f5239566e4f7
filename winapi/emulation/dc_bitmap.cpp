#include "abi/dc_bitmap.h"

#include "winapi/emulation/device_context.h"

// Nothing in the program calls this function; the effect library does, through the dynamic loader.
// The file is therefore built as an object library and linked into the executable as objects, since
// a static archive member that nothing references would be left out of the link.
extern "C" __attribute__((visibility("default"))) int32_t CorvaneGetDCBitmap(
    uint32_t hdc, CorvaneBitmap* bitmap) {
  if (bitmap == nullptr) return 0;
  corvane::gfx::Surface* surface = corvane::gfx::DeviceContexts::Lookup(hdc);
  if (surface == nullptr || surface->empty()) return 0;
  bitmap->width = surface->width();
  bitmap->height = surface->height();
  bitmap->pitch_bytes = surface->pitch();
  bitmap->pixels = surface->Row(0);
  return 1;
}
