// On Windows a device context handle is the system's own, so the effect library asks GDI for the
// bitmap selected into it, as any library of the platform does, and needs nothing from the program
// that loaded it.

#include "abi/dc_bitmap.h"

#include <windows.h>

#include <cstdint>

extern "C" int32_t CorvaneGetDCBitmap(uint32_t hdc, CorvaneBitmap* bitmap) {
  if (bitmap == nullptr) return 0;
  // Handles travel as 32-bit values; the system's handles fit in them and widen with their sign.
  const auto dc = reinterpret_cast<HDC>(static_cast<std::intptr_t>(static_cast<std::int32_t>(hdc)));
  const HGDIOBJ selected = GetCurrentObject(dc, OBJ_BITMAP);
  DIBSECTION section{};
  if (selected == nullptr || GetObjectW(selected, sizeof section, &section) != sizeof section) {
    return 0;  // Not a context, or a device-dependent bitmap whose pixels cannot be reached.
  }
  const BITMAP& bits = section.dsBm;
  if (bits.bmBits == nullptr || bits.bmBitsPixel != 32 || bits.bmWidth <= 0 || bits.bmHeight <= 0) {
    return 0;
  }
  // The rows are described in the order memory holds them: top to bottom for the bitmaps the
  // program makes. The description GetObject gives has a positive height either way, so it cannot
  // tell a bottom-up bitmap apart; another program's bottom-up bitmap is rendered as it lies in
  // memory, with the light falling from below.
  *bitmap = CorvaneBitmap{bits.bmWidth, bits.bmHeight, bits.bmWidthBytes,
                          static_cast<uint32_t*>(bits.bmBits)};
  return 1;
}
