#include "platform/win32/cursor_service.h"

#include <windows.h>

#include <array>
#include <cstdint>

namespace corvane::platform::win32 {

namespace {
// The AND and XOR planes of a custom pointer as the system takes them: rows of four bytes, the
// leftmost pixel in the highest bit of the first.
struct Planes {
  std::array<std::uint8_t, 128> and_plane{};
  std::array<std::uint8_t, 128> xor_plane{};
};

Planes PlanesOf(const CustomCursor& custom) {
  // The screen shows through where the AND bit is 1 and the XOR bit 0; with both 0 the pixel is
  // black, with AND 0 and XOR 1 white.
  Planes planes;
  for (int y = 0; y < 32; ++y) {
    const std::uint32_t and_row = ~custom.mask[y];
    const std::uint32_t xor_row = custom.mask[y] & ~custom.image[y];
    for (int byte = 0; byte < 4; ++byte) {
      const int shift = 24 - 8 * byte;
      planes.and_plane[y * 4 + byte] = static_cast<std::uint8_t>(and_row >> shift);
      planes.xor_plane[y * 4 + byte] = static_cast<std::uint8_t>(xor_row >> shift);
    }
  }
  return planes;
}
}  // namespace

Win32CursorService::Win32CursorService(Win32WindowService& windows) : windows_(windows) {}

Win32CursorService::~Win32CursorService() {
  if (hidden_) ShowCursor(TRUE);
  windows_.SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  if (custom_ != nullptr) DestroyCursor(static_cast<HCURSOR>(custom_));
}

void Win32CursorService::SetHidden(bool hidden) {
  // Called on each change of the program's count across 0, so the system's count moves with it.
  if (hidden == hidden_) return;
  hidden_ = hidden;
  ShowCursor(hidden ? FALSE : TRUE);
}

void Win32CursorService::SetShape(PointerShape shape, const CustomCursor* custom) {
  HCURSOR cursor = nullptr;
  switch (shape) {
    case PointerShape::kDefault:
      cursor = LoadCursorW(nullptr, IDC_ARROW);
      break;
    case PointerShape::kHourglass:
      cursor = LoadCursorW(nullptr, IDC_WAIT);
      break;
    case PointerShape::kHand:
      cursor = LoadCursorW(nullptr, IDC_HAND);
      break;
    case PointerShape::kCustom: {
      if (custom == nullptr) return;
      const Planes planes = PlanesOf(*custom);
      cursor = CreateCursor(GetModuleHandleW(nullptr), custom->hot_x, custom->hot_y, 32, 32,
                            planes.and_plane.data(), planes.xor_plane.data());
      if (cursor == nullptr) return;
      break;
    }
  }
  windows_.SetCursor(cursor);
  // Freed only now that no window shows it any more.
  if (custom_ != nullptr && custom_ != cursor) DestroyCursor(static_cast<HCURSOR>(custom_));
  custom_ = shape == PointerShape::kCustom ? cursor : nullptr;
}

}  // namespace corvane::platform::win32
